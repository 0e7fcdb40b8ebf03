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

    /// Restarts the whole system once the machine is idle.
    virtual void rebootSoon() = 0;
    /// Restarts the whole system now.
    virtual void rebootImmediately() = 0;
    /// Restarts only the application once the machine is idle.
    virtual void applicativeRebootSoon() = 0;
    /// Restarts only the application now.
    virtual void applicativeRebootImmediately() = 0;

protected:
    explicit Reboot(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
