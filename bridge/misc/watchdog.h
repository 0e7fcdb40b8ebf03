#pragma once

#include "lea/misc/watchdog.h"

namespace bridge {
namespace misc {

/// Forwards a thread's sign of life to the core's thread monitor.
class Watchdog : public lea::misc::Watchdog
{
    Q_OBJECT

public:
    explicit Watchdog(QObject* parent);

    void tickFromCurrentThread() const override;
};

} // namespace misc
} // namespace bridge
