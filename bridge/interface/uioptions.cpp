#include "bridge/interface/uioptions.h"

#include "bridge/interface/selectionmodesetupenumconverter.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/configuration/cupdispensersettings.h"
#include "core/configuration/directselectionsettings.h"
#include "core/configuration/displaydisabledmodes.h"
#include "core/configuration/generalsettings.h"
#include "core/configuration/speakersetup.h"
#include "core/selection/quickselectionmanager.h"

namespace bridge {
namespace interface {

UIOptions::UIOptions(QObject* parent)
    : lea::interface::UIOptions(parent)
{
    connect(gCoreEnv, &CoreEnvironment::configurationChanged, this, &UIOptions::onConfigurationChanged);
    onConfigurationChanged();
}

UIOptions::~UIOptions() = default;

lea::interface::UIOptions::DisabilityUI UIOptions::disabilityUI() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const DisplayDisabledModes& modes = *configuration->displayDisabledModes();
    return { modes.disabilityUIAllowed(), modes.disabilityUIIsDefault() };
}

lea::interface::UIOptions::Informations UIOptions::informations() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const GeneralSettings& general = *configuration->generalSettings();
    const quickselection::QuickSelectionManager& quickSelection = *configuration->quickSelectionManager();
    Informations informations;
    informations.generalFlagA = general.showNutritionalInfo();
    informations.generalFlagB = general.showRecipeNutritionalInfo();
    informations.generalFlagC = general.displayFlagC();
    informations.quickSelectionEnabled = quickSelection.isEnabled();
    informations.warningDisplayEnd = quickSelection.warningDisplayEndDate();
    informations.soundEnabled = configuration->speakerSetup()->volume() > 0;
    informations.generalFlagD = general.displayFlagD();
    return informations;
}

lea::interface::UIOptions::SetupUI UIOptions::setupUI() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const DirectSelectionSettings& direct = *configuration->directSelectionSettings();
    return { SelectionModeSetupEnumConverter::toExternalOrThrow(direct.selectionModeSetup()),
        direct.directSelectionFlag(), configuration->cupDispenserSettings()->chooseWhereDelivery() };
}

void UIOptions::onConfigurationChanged()
{
    // Disconnecting through the handles is safe even when the configuration is already gone.
    for (const QMetaObject::Connection& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    const Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        return;
    const GeneralSettings* general = configuration->generalSettings();
    const quickselection::QuickSelectionManager* quickSelection = configuration->quickSelectionManager();
    m_connections = {
        connect(general, &GeneralSettings::showNutritionalInfoChanged, this, &UIOptions::informationsChanged),
        connect(general, &GeneralSettings::showRecipeNutritionalInfoChanged, this,
            &UIOptions::informationsChanged),
        connect(quickSelection, &quickselection::QuickSelectionManager::enabledChanged, this,
            &UIOptions::informationsChanged),
        connect(quickSelection, &quickselection::QuickSelectionManager::warningMessageDelayChanged, this,
            &UIOptions::informationsChanged),
        connect(configuration->speakerSetup(), &SpeakerSetup::volumeChanged, this,
            &UIOptions::informationsChanged),
        connect(configuration->displayDisabledModes(), &DisplayDisabledModes::changed, this,
            &UIOptions::disabilityUIChanged),
    };
}

} // namespace interface
} // namespace bridge
