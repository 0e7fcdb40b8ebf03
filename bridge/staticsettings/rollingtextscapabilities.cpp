#include "bridge/staticsettings/rollingtextscapabilities.h"

#include "bridge/staticsettings/boilerequipment.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"

namespace bridge {
namespace staticsettings {

RollingTextsCapabilities::RollingTextsCapabilities(QObject* parent)
    : lea::staticsettings::RollingTextsCapabilities(parent)
{
}

RollingTextsCapabilities::~RollingTextsCapabilities() = default;

bool RollingTextsCapabilities::rssFeedEnableDuringDispensingSetting() const
{
    return machineModel() != HardwareEnvironment::CompactEspresso;
}

bool RollingTextsCapabilities::webViewsSettings() const
{
    return machineModel() != HardwareEnvironment::CompactEspresso && !gCoreEnv->machine()->isQuorra();
}

bool RollingTextsCapabilities::webViewsUrlTabNamesSetting() const
{
    return machineModel() != HardwareEnvironment::CompactEspresso;
}

} // namespace staticsettings
} // namespace bridge
