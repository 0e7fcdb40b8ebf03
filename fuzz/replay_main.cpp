// Runs a fuzz target once per file, without libFuzzer, so that a compiler
// without it (GCC) can replay the checked-in corpus as a regression test.
//
//   <name>_replay FILE_OR_DIRECTORY...
//
// A directory stands for the regular files in it, in name order. A broken
// invariant or a sanitizer finding aborts; a path that cannot be read exits
// with 2, so that a misspelt corpus does not pass unnoticed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);
// Defined only by the targets that need a set-up before the first input.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

bool collect(const std::filesystem::path& path, std::vector<std::filesystem::path>& files)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
            if (entry.is_regular_file())
                found.push_back(entry.path());
        }
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
        return !error;
    }
    if (std::filesystem::is_regular_file(path, error)) {
        files.push_back(path);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!collect(argv[i], files)) {
            std::fprintf(stderr, "Cannot read %s\n", argv[i]);
            return 2;
        }
    }
    for (const std::filesystem::path& file : files) {
        std::ifstream stream(file, std::ios::binary);
        const std::vector<char> bytes { std::istreambuf_iterator<char>(stream),
            std::istreambuf_iterator<char>() };
        if (!stream.good() && !stream.eof()) {
            std::fprintf(stderr, "Cannot read %s\n", file.c_str());
            return 2;
        }
        std::fprintf(stderr, "Running %s (%zu bytes)\n", file.c_str(), bytes.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "Ran %zu inputs\n", files.size());
    return 0;
}
