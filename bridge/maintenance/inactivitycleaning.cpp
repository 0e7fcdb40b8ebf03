#include "bridge/maintenance/inactivitycleaning.h"

#include "bridge/maintenance/cleaningsettingsconverter.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"

namespace bridge {
namespace maintenance {

InactivityCleaning::InactivityCleaning(QObject* parent)
    : lea::maintenance::InactivityCleaning(parent)
{
    utils::connectToConfigurationPart(
        [](const Configuration* configuration) { return configuration->cleaningSettings(); },
        &CleaningSettings::saveInactivityCleaningSettings, this,
        &InactivityCleaning::inactivitiyCleaningUpdated);
}

InactivityCleaning::~InactivityCleaning() = default;

std::vector<InactivityCleaning::Settings> InactivityCleaning::cleanings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<Settings> result;
    for (const CleaningSettings::InactivityCleaning& entry :
        configuration->cleaningSettings()->inactivityCleanings())
        result.push_back(CleaningSettingsConverter::coreInactivityCleaningToLeaSettings(entry));
    return result;
}

} // namespace maintenance
} // namespace bridge
