#include "bridge/maintenance/cleaning.h"

#include "bridge/maintenance/cleaningsettingsconverter.h"
#include "bridge/maintenance/rinsingtypeenumconverter.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/assert.h"
#include "core/machine/machine.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace bridge {
namespace maintenance {

namespace {

/// Where the unsupported operations are declared, as their reports name it.
const char kHeader[] = "bridge/maintenance/cleaning.h";
const int kSetCleaningsLine = 19;
const int kStatesLine = 21;
/// The amount of a rinsing when the caller gives none.
const int kDefaultAmount = 50;

void reportNotImplemented(const char* signature, int line)
{
    const std::string message = std::string(signature) + "is not implemented.";
    printReleaseAssertMsg("", message.c_str(), kHeader, line);
}

} // namespace

Cleaning::Cleaning(QObject* parent)
    : lea::maintenance::Cleaning(parent)
{
    utils::connectToConfigurationPart(
        [](const Configuration* configuration) { return configuration->cleaningSettings(); },
        &CleaningSettings::saveWarningCleaningSettings, this, &Cleaning::warningCleaningsUpdated);
}

Cleaning::~Cleaning() = default;

std::vector<Cleaning::Settings> Cleaning::cleanings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<Settings> result;
    for (const CleaningSettings::WarningCleaning& entry :
        configuration->cleaningSettings()->handledWarningCleaningList())
        result.push_back(CleaningSettingsConverter::coreWarningCleaningToLeaSettings(entry));
    return result;
}

bool Cleaning::hasCalendarCleaningFeature() const
{
    return false;
}

bool Cleaning::setCleanings(const std::vector<Settings>& /*cleanings*/)
{
    reportNotImplemented(Q_FUNC_INFO, kSetCleaningsLine);
    return false;
}

std::vector<Cleaning::CleaningState> Cleaning::states() const
{
    reportNotImplemented(Q_FUNC_INFO, kStatesLine);
    return {};
}

void Cleaning::startCleaning(lea::maintenance::RinsingType type, nonstd::optional<unsigned int> amount)
{
    const CleaningSettings::RinsingType coreType = RinsingTypeEnumConverter::toInternalOrThrow(type);
    // The machine takes a signed amount: a larger one would arrive negative.
    if (amount && *amount > unsigned(std::numeric_limits<int>::max()))
        throw std::invalid_argument("Invalid cleaning amount " + std::to_string(*amount));
    gCoreEnv->machine()->startCleaning(
        coreType, amount ? int(*amount) : kDefaultAmount, false, false, nullptr);
}

} // namespace maintenance
} // namespace bridge
