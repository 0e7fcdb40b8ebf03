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
    return machineModel() != MachineModel::Model5;
}

bool RollingTextsCapabilities::webViewsSettings() const
{
    return machineModel() != MachineModel::Model5 && !gCoreEnv->machine()->isQuorra();
}

bool RollingTextsCapabilities::webViewsUrlTabNamesSetting() const
{
    return machineModel() != MachineModel::Model5;
}

} // namespace staticsettings
} // namespace bridge
