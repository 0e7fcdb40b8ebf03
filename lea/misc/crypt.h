#pragma once

#include <QObject>

namespace lea {
namespace misc {

/// Accessor of encryption with a caller's key.
class Crypt : public QObject
{
    Q_OBJECT

public:
    ~Crypt() override = default;

protected:
    explicit Crypt(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace misc
} // namespace lea
