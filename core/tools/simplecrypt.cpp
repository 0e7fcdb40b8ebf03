#include "core/tools/simplecrypt.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QtEndian>

namespace {

constexpr char kVersion = 1;
constexpr int kNonceSize = 16;
constexpr int kTagSize = 16;
constexpr int kHeaderSize = 1 + kNonceSize;

} // namespace

SimpleCrypt::SimpleCrypt(quint64 key)
    : m_key(sizeof(key), Qt::Uninitialized)
{
    qToLittleEndian(key, m_key.data());
}

QByteArray SimpleCrypt::keyStream(const QByteArray& nonce, int size) const
{
    // SHA-256 in counter mode over key and nonce.
    QByteArray stream;
    stream.reserve(size + 32);
    QByteArray block = m_key + nonce + QByteArray(4, '\0');
    char* counter = block.data() + m_key.size() + nonce.size();
    for (quint32 i = 0; stream.size() < size; ++i) {
        qToLittleEndian(i, counter);
        stream += QCryptographicHash::hash(block, QCryptographicHash::Sha256);
    }
    stream.truncate(size);
    return stream;
}

QByteArray SimpleCrypt::tag(const QByteArray& authenticated) const
{
    return QMessageAuthenticationCode::hash(authenticated, m_key, QCryptographicHash::Sha256).left(kTagSize);
}

QByteArray SimpleCrypt::encryptToByteArray(const QByteArray& plain)
{
    QByteArray nonce(kNonceSize, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(nonce.data()), kNonceSize / 4);

    QByteArray result;
    result.reserve(kHeaderSize + plain.size() + kTagSize);
    result += kVersion;
    result += nonce;
    const QByteArray stream = keyStream(nonce, plain.size());
    for (int i = 0; i < plain.size(); ++i)
        result += char(plain.at(i) ^ stream.at(i));
    result += tag(result);
    m_lastError = ErrorNoError;
    return result;
}

QByteArray SimpleCrypt::decryptToByteArray(const QByteArray& cypher)
{
    if (cypher.size() < kHeaderSize + kTagSize || cypher.at(0) != kVersion) {
        m_lastError
            = cypher.isEmpty() || cypher.at(0) == kVersion ? ErrorIntegrityFailed : ErrorUnknownVersion;
        return {};
    }
    const QByteArray authenticated = cypher.left(cypher.size() - kTagSize);
    // Constant-time comparison: a timing difference must not reveal the tag.
    const QByteArray expected = tag(authenticated);
    const QByteArray given = cypher.right(kTagSize);
    char difference = 0;
    for (int i = 0; i < kTagSize; ++i)
        difference |= char(expected.at(i) ^ given.at(i));
    if (difference != 0) {
        m_lastError = ErrorIntegrityFailed;
        return {};
    }
    const QByteArray nonce = cypher.mid(1, kNonceSize);
    const int size = authenticated.size() - kHeaderSize;
    const QByteArray stream = keyStream(nonce, size);
    QByteArray plain(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        plain[i] = char(authenticated.at(kHeaderSize + i) ^ stream.at(i));
    m_lastError = ErrorNoError;
    return plain;
}
