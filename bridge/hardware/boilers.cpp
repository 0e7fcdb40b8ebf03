#include "bridge/hardware/boilers.h"

#include "bridge/hardware/boilertypeenumconverter.h"
#include "bridge/hardware/emptyboilerstateenumconverter.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"

namespace bridge {
namespace hardware {

namespace {

ErogationManager* erogationManager()
{
    return gCoreEnv->machine()->erogationManager();
}

} // namespace

Boilers::Boilers(QObject* parent)
    : lea::hardware::Boilers(parent)
{
    // Kept on whichever configuration is loaded, so that a reload does not silence it.
    utils::connectToConfiguration(
        &Configuration::boilerParametersSettingsChanged, this, &lea::hardware::Boilers::settingsChanged);
}

Boilers::~Boilers() = default;

void Boilers::setEmptyBoilerState(EmptyBoilerState state)
{
    erogationManager()->setEmptyBoilerState(EmptyBoilerStateEnumConverter::toInternalOrThrow(state));
}

lea::hardware::Boilers::EmptyBoilerState Boilers::emptyBoilerState() const
{
    return EmptyBoilerStateEnumConverter::toExternalOrThrow(
        erogationManager()->erogationProtocol()->emptyBoilerState());
}

void Boilers::manualBoilerInstallation(BoilerType type)
{
    erogationManager()->manualBoilerInstallation(BoilerTypeEnumConverter::toInternalOrThrow(type));
}

bool Boilers::espressoBoilerAvailable() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration && configuration->isEspressoBoilerAvailable();
}

bool Boilers::instantBoilerAvailable() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration && configuration->isInstantBoilerAvailable();
}

bool Boilers::steamBoilerAvailable() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration && configuration->isSteamBoilerAvailable();
}

bool Boilers::espressoBoilerForInstantAvailable() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration && configuration->isEspressoBoilerForInstantAvailable();
}

} // namespace hardware
} // namespace bridge
