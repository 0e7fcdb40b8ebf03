#pragma once

#include "lea/hardware/reboot.h"

namespace bridge {
namespace hardware {

/// Hands requests to restart the system or the application to the core's reboot manager.
class Reboot : public lea::hardware::Reboot
{
    Q_OBJECT

public:
    explicit Reboot(QObject* parent);

    void rebootSoon() override;
    void rebootImmediately() override;
    void applicativeRebootSoon() override;
    void applicativeRebootImmediately() override;
};

} // namespace hardware
} // namespace bridge
