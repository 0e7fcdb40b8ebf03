#include "bridge/misc/crypt.h"

#include "core/tools/simplecrypt.h"

namespace bridge {
namespace misc {

Crypt::Crypt(QObject* parent)
    : lea::misc::Crypt(parent)
{
}

QByteArray Crypt::encrypt(Key key, const QByteArray& data) const
{
    return SimpleCrypt(key.value()).encryptToByteArray(data);
}

QByteArray Crypt::decrypt(Key key, const QByteArray& data) const
{
    return SimpleCrypt(key.value()).decryptToByteArray(data);
}

} // namespace misc
} // namespace bridge
