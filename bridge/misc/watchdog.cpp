#include "bridge/misc/watchdog.h"

#include "core/tools/monitor.h"

namespace bridge {
namespace misc {

Watchdog::Watchdog(QObject* parent)
    : lea::misc::Watchdog(parent)
{
}

void Watchdog::tickFromCurrentThread() const
{
    monitored_threads::Monitor::instance()->tickFromCurrentThread();
}

} // namespace misc
} // namespace bridge
