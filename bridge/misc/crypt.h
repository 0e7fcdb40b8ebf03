#pragma once

#include "lea/misc/crypt.h"

namespace bridge {
namespace misc {

/// Encrypts and decrypts with the core's cipher; a fresh cipher per call, so
/// any thread may call.
class Crypt : public lea::misc::Crypt
{
    Q_OBJECT

public:
    explicit Crypt(QObject* parent);

    QByteArray encrypt(Key key, const QByteArray& data) const override;
    QByteArray decrypt(Key key, const QByteArray& data) const override;
};

} // namespace misc
} // namespace bridge
