#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the modem.
class Modem : public QObject
{
    Q_OBJECT

public:
    ~Modem() override = default;

protected:
    explicit Modem(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
