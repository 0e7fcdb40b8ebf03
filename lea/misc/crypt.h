#pragma once

#include "lea/priv/newtype.h"

#include <QByteArray>
#include <QObject>

namespace lea {
namespace misc {

namespace privt {
namespace tag {
struct Key;
} // namespace tag
} // namespace privt

/// Accessor of symmetric encryption with a key chosen by the caller.
class Crypt : public QObject
{
    Q_OBJECT

public:
    /// A 64-bit key; the accessor stores none.
    using Key = priv::NewType<privt::tag::Key, unsigned long long>;

    ~Crypt() override = default;

    /// The encrypted form of `data`; decrypt() with the same key gives `data` back.
    virtual QByteArray encrypt(Key key, const QByteArray& data) const = 0;
    /// The plain data, or an empty array when `data` was not encrypted with `key`.
    virtual QByteArray decrypt(Key key, const QByteArray& data) const = 0;

protected:
    explicit Crypt(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace misc
} // namespace lea
