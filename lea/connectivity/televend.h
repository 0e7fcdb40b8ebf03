#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of the Televend client.
class Televend : public QObject
{
    Q_OBJECT

public:
    ~Televend() override = default;

protected:
    explicit Televend(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
