#include "bridge/staticsettings/characteristics.h"

#include "bridge/staticsettings/machinemodelenumconverter.h"
#include "bridge/staticsettings/slaveselectionenumconverter.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guisettings.h"
#include "core/hardwareenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/multimachines/slavemachinessettings.h"

#include <QScreen>

namespace bridge {
namespace staticsettings {

namespace {
constexpr int kDesktopPlatform = 1;
} // namespace

Characteristics::Characteristics(QObject* parent)
    : lea::staticsettings::Characteristics(parent)
{
}

Characteristics::~Characteristics() = default;

lea::staticsettings::Characteristics::Screen Characteristics::screen() const
{
    const QScreen* screen = gGuiEnv->guiSettings()->mainScreen();
    if (!screen)
        return {};
    const QSize size = screen->size();
    return { size.width(), size.height(), screen->isPortrait(screen->orientation()), screen->refreshRate() };
}

lea::staticsettings::Characteristics::Software Characteristics::software() const
{
    return { MachineModelEnumConverter::toExternalOrThrow(gHardwareEnv->machineModel()), { 1, 4, 13, {} },
        { 1, 56, 12, {} }, QStringLiteral("Release"), gCoreEnv->machine()->isQuorra() };
}

lea::staticsettings::Characteristics::Machine Characteristics::machine() const
{
    const MachineIdentity& identity = gCoreEnv->machine()->identity();
    Machine result { identity.serialNumber, identity.machineCode, identity.assetNumber, QString(),
        identity.installationDate };
    if (const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO))
        result.configurationName = configuration->information().name;
    return result;
}

lea::staticsettings::Characteristics::Capabilities Characteristics::capabilities() const
{
    const GuiSettings& settings = *gGuiEnv->guiSettings();
    Capabilities result;
    result.hasPlaylistsCapabilities = settings.hasCapability(GuiSettings::Playlists);
    result.hasScreensaverCapabilities = settings.hasCapability(GuiSettings::Screensaver);
    result.hasNewsFeedCapabilities = settings.hasCapability(GuiSettings::NewsFeed);
    result.hasWebViewsCapabilities = settings.hasCapability(GuiSettings::WebViews);
    result.hasPromotionsCapabilities = settings.hasCapability(GuiSettings::Promotions);
    result.hasUpsellingCapabilities = settings.hasCapability(GuiSettings::Upselling);
    result.hasNutritionalInformationCapabilities
        = settings.hasCapability(GuiSettings::NutritionalInformation);
    result.hasAllergensCapabilities = settings.hasCapability(GuiSettings::Allergens);
    result.hasCoffeeToGoCapabilities = settings.hasCapability(GuiSettings::CoffeeToGo);
    result.hasSnacksCapabilities = settings.hasCapability(GuiSettings::Snacks);
    result.hasCustomizationsCapabilities = settings.hasCapability(GuiSettings::Customizations);
    result.hasCategoriesCapabilities = settings.hasCapability(GuiSettings::Categories);
    result.hasQrCodesCapabilities = settings.hasCapability(GuiSettings::QrCodes);
    result.hasLoyaltyCapabilities = settings.hasCapability(GuiSettings::Loyalty);
    result.hasRemoteSelectionCapabilities = settings.hasCapability(GuiSettings::RemoteSelection);
    result.hasEnergySavingCapabilities = settings.hasCapability(GuiSettings::EnergySaving);
    result.hasRollingTextsCapabilities = settings.hasCapability(GuiSettings::RollingTexts);
    result.hasDeletePlaylistsRemotelyCapabilities = settings.hasDeletePlaylistsRemotelyCapabilities();
    return result;
}

lea::staticsettings::Characteristics::ActuatorBoard Characteristics::actuatorBoard() const
{
    const ErogationManager& erogation = *gCoreEnv->machine()->erogationManager();
    return { erogation.actuatorBoardVersionInt(), erogation.actuatorBoardRevisionInt() };
}

lea::staticsettings::Characteristics::ConfigurationGroupSettings
Characteristics::configurationGroupSettings() const
{
    const ConfigurationGroup* group = gCoreEnv->configurationGroup();
    if (!group)
        return {};
    const ConfigurationGroupInformation& information = group->information();
    return { information.name, information.version, information.customer, information.author,
        information.creationDate };
}

lea::staticsettings::Characteristics::RemoteControls Characteristics::remoteControls() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const ConfigurationInformation& information = configuration->information();
    return { information.remoteSelectionEnabled, information.remoteCleaningEnabled,
        information.remoteRebootEnabled };
}

bool Characteristics::isPlatformDesktop() const
{
    return gCoreEnv->platform() == kDesktopPlatform;
}

QString Characteristics::guiCustomizationFileName() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    return configuration->information().guiCustomizationFileName;
}

lea::staticsettings::Characteristics::ConfigurationSettings Characteristics::configurationSettings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const MultiMachines::SlaveMachinesSettings& slaves = *gHardwareEnv->slaveMachinesSettings();
    ConfigurationSettings result { configuration->information().code, configuration->information().version,
        slaves.isEnabled(), {} };
    for (const MultiMachines::BaseSlaveMachine* slave : slaves.slaveMachines()) {
        if (slave)
            result.slaveSelections.push_back(
                SlaveSelectionEnumConverter::toExternalOrThrow(slave->selectionType()));
    }
    return result;
}

} // namespace staticsettings
} // namespace bridge
