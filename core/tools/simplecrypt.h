#pragma once

#include <QByteArray>
#include <QtGlobal>

/// Symmetric encryption with a 64-bit key. Every message carries a random
/// nonce and an authentication tag, so decrypting with another key, or
/// decrypting altered data, gives an empty array instead of garbage.
class SimpleCrypt
{
public:
    enum Error {
        ErrorNoError,
        ErrorUnknownVersion,
        ErrorIntegrityFailed,
    };

    explicit SimpleCrypt(quint64 key);

    QByteArray encryptToByteArray(const QByteArray& plain);
    QByteArray decryptToByteArray(const QByteArray& cypher);
    Error lastError() const { return m_lastError; }

private:
    QByteArray keyStream(const QByteArray& nonce, int size) const;
    QByteArray tag(const QByteArray& authenticated) const;

    QByteArray m_key;
    Error m_lastError = ErrorNoError;
};
