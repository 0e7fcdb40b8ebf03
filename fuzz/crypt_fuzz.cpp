// Decrypts arbitrary bytes, and checks the round trip and the refusals of
// bridge::misc::Crypt. Input: an 8-byte key, a byte naming the position of a
// bit to flip, then the data.

#include "bridge/misc/crypt.h"
#include "fuzzinput.h"

namespace {

// The cipher's framing: a version byte and a 16-byte nonce before the data,
// a 16-byte tag after it.
constexpr int kOverhead = 1 + 16 + 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const lea::misc::Crypt::Key key(input.integer<unsigned long long>());
    const lea::misc::Crypt::Key otherKey(key.value() + 1);
    const uint8_t flip = input.byte();
    const QByteArray bytes = input.rest();
    const bridge::misc::Crypt crypt(nullptr);

    // Arbitrary bytes are not a message of this key: nothing comes out, or
    // (for a forged tag, which a fuzzer will not find) a plain text of the framed size.
    const QByteArray decrypted = crypt.decrypt(key, bytes);
    FUZZ_CHECK(decrypted.isEmpty() || decrypted.size() == bytes.size() - kOverhead);

    const QByteArray encrypted = crypt.encrypt(key, bytes);
    FUZZ_CHECK(encrypted.size() == bytes.size() + kOverhead);
    FUZZ_CHECK(crypt.decrypt(key, encrypted) == bytes);
    FUZZ_CHECK(crypt.decrypt(otherKey, encrypted).isEmpty());

    // Any altered bit, and any missing byte, is refused.
    QByteArray altered = encrypted;
    const int bit = flip % (altered.size() * 8);
    altered[bit / 8] = char(altered.at(bit / 8) ^ (1 << (bit % 8)));
    FUZZ_CHECK(crypt.decrypt(key, altered).isEmpty());
    FUZZ_CHECK(crypt.decrypt(key, encrypted.left(encrypted.size() - 1)).isEmpty());
    return 0;
}
