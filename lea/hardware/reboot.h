#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of rebooting the machine.
class Reboot : public QObject
{
    Q_OBJECT

public:
    ~Reboot() override = default;

protected:
    explicit Reboot(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
