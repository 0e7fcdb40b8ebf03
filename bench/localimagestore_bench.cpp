// The image store on a hit must cost little more than loading the image data
// and checksumming them; on a miss little more than decoding and writing a PNG.

#include "benchenvironment.h"
#include "bridge/localimagestore.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"

#include <benchmark/benchmark.h>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

namespace {

using bridge::LocalImageStore;

ConfigurationLoader* gLoader = nullptr;
QTemporaryDir* gTempDir = nullptr;

// Noise keeps the PNG about as large as a photo of that size.
QByteArray base64Photo(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator random { quint32(side) };
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, int(random.bounded(256u))));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toBase64();
}

// The category id is the image's side.
int categoryOf(const benchmark::State& state)
{
    return int(state.range(0));
}

void HitFloorChecksum(benchmark::State& state)
{
    const QByteArray data = gLoader->loadCategoryImage(categoryOf(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(qChecksum(data.constData(), uint(data.size())));
    state.SetBytesProcessed(state.iterations() * data.size());
}

void HitFloorLoadAndChecksum(benchmark::State& state)
{
    const int id = categoryOf(state);
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray data = gLoader->loadCategoryImage(id);
        benchmark::DoNotOptimize(qChecksum(data.constData(), uint(data.size())));
        bytes += data.size();
    }
    state.SetBytesProcessed(bytes);
}

void HitStore(benchmark::State& state)
{
    const int id = categoryOf(state);
    LocalImageStore& store = LocalImageStore::instance();
    const QString path = store.getCategoryImage(id);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.getCategoryImage(id));
    if (store.getCategoryImage(id) != path)
        state.SkipWithError("the hit path wrote a new file");
    state.SetBytesProcessed(state.iterations() * gLoader->loadCategoryImage(id).size());
    store.clear();
}

void MissFloorDecodeAndSave(benchmark::State& state)
{
    const QByteArray data = gLoader->loadCategoryImage(categoryOf(state));
    const QString path = gTempDir->filePath(QStringLiteral("floor.PNG"));
    for (auto _ : state) {
        QImage image;
        image.loadFromData(QByteArray::fromBase64(data));
        if (!image.save(path, "PNG"))
            state.SkipWithError("cannot write the floor's file");
    }
    QFile::remove(path);
}

// Clearing after each request makes every request a miss; the removal of the
// file is counted against the store.
void MissStore(benchmark::State& state)
{
    const int id = categoryOf(state);
    LocalImageStore& store = LocalImageStore::instance();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.getCategoryImage(id));
        store.clear();
    }
}

const std::vector<int64_t> kSides { 32, 128, 512 };

BENCHMARK(HitFloorChecksum)->ArgsProduct({ kSides });
BENCHMARK(HitFloorLoadAndChecksum)->ArgsProduct({ kSides });
BENCHMARK(HitStore)->ArgsProduct({ kSides });
BENCHMARK(MissFloorDecodeAndSave)->ArgsProduct({ kSides })->Unit(benchmark::kMicrosecond);
BENCHMARK(MissStore)->ArgsProduct({ kSides })->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    BenchEnvironment environment(argc, argv);
    gTempDir = &environment.directory();
    gLoader = environment.machine().core().loadConfiguration()->loader();
    for (int64_t side : kSides) {
        if (!gLoader->saveImage(
                ConfigurationLoader::ImageOwner::Category, QString(), int(side), base64Photo(int(side))))
            return 1;
    }
    const int result = environment.run(argc, argv);
    LocalImageStore::instance().clear();
    return result;
}
