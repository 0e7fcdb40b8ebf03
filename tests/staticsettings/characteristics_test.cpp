#include "bridge/staticsettings/characteristics.h"
#include "bridge/staticsettings/machinemodelenumconverter.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guisettings.h"
#include "core/hardwareenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/multimachines/slavemachinessettings.h"
#include "support/guardtest.h"
#include "support/machineaccessortest.h"

#include <QGuiApplication>
#include <QScreen>
#include <tuple>

namespace {

using LeaCharacteristics = lea::staticsettings::Characteristics;
using C = LeaCharacteristics;
using Slave = MultiMachines::BaseSlaveMachine;

auto fields(const C::Version& v)
{
    return std::make_tuple(v.majorVersion, v.minorVersion, v.patchVersion, v.buildVersion);
}
auto fields(const C::Machine& m)
{
    return std::make_tuple(
        m.serialNumber, m.machineCode, m.assetNumber, m.configurationName, m.installationDate);
}
auto fields(const C::ConfigurationSettings& s)
{
    return std::make_tuple(s.code, s.version, s.slaveMachinesEnabled, s.slaveSelections);
}

const MachineIdentity kIdentity { QStringLiteral("SN-0042"), QStringLiteral("KX7"), QStringLiteral("A-17"),
    QDateTime(QDate(2023, 6, 1), QTime(9, 30), Qt::UTC) };

class CharacteristicsTest
    : public MachineAccessorTest<LeaCharacteristics, bridge::staticsettings::Characteristics>
{
protected:
    void prepare() override { gCoreEnv->machine()->setIdentity(kIdentity); }
};

TEST_F(CharacteristicsTest, EveryFieldIsTheMachines)
{
    ConfigurationInformation information;
    information.name = QStringLiteral("Office 3rd floor");
    information.code = QStringLiteral("CFG-9");
    information.version = QStringLiteral("12");
    information.guiCustomizationFileName = QStringLiteral("dark.json");
    information.remoteCleaningEnabled = true;
    information.remoteRebootEnabled = true;
    loadConfiguration()->setInformation(information);
    gCoreEnv->configurationGroup()->setInformation({ QStringLiteral("Group"), QStringLiteral("7"),
        QStringLiteral("ACME"), QStringLiteral("Jo"), QStringLiteral("2024-02-29") });
    gCoreEnv->machine()->erogationManager()->setActuatorBoardVersion(5, 3);
    gCoreEnv->machine()->setQuorra(true);
    gHardwareEnv->setMachineModel(HardwareEnvironment::CompactEspresso);
    MultiMachines::SlaveMachinesSettings& slaves = *gHardwareEnv->slaveMachinesSettings();
    slaves.setEnabled(true);
    slaves.attachSlaveMachine(Slave::SelectionDisabled);
    slaves.addEmptyPort();
    slaves.attachSlaveMachine(Slave::SelectionOnSlave);

    const C::Software software = accessor->software();
    EXPECT_EQ(software.model, C::CompactEspresso);
    EXPECT_EQ(fields(software.interfaceVersion), fields(C::Version { 1, 4, 13, {} }));
    EXPECT_EQ(fields(software.libraryVersion), fields(C::Version { 1, 56, 12, {} }));
    EXPECT_EQ(software.buildType, QStringLiteral("Release"));
    EXPECT_TRUE(software.isQuorra);
    EXPECT_EQ(fields(accessor->machine()),
        std::make_tuple(kIdentity.serialNumber, kIdentity.machineCode, kIdentity.assetNumber,
            information.name, kIdentity.installationDate));
    const C::ActuatorBoard board = accessor->actuatorBoard();
    EXPECT_EQ(std::make_tuple(board.version, board.revision), std::make_tuple(5, 3));
    const C::ConfigurationGroupSettings group = accessor->configurationGroupSettings();
    EXPECT_EQ(std::make_tuple(group.name, group.version, group.customer, group.author, group.creationDate),
        std::make_tuple(QStringLiteral("Group"), QStringLiteral("7"), QStringLiteral("ACME"),
            QStringLiteral("Jo"), QStringLiteral("2024-02-29")));
    const C::RemoteControls remote = accessor->remoteControls();
    EXPECT_EQ(std::make_tuple(
                  remote.remoteSelectionEnabled, remote.remoteCleaningEnabled, remote.remoteRebootEnabled),
        std::make_tuple(false, true, true));
    EXPECT_EQ(accessor->guiCustomizationFileName(), information.guiCustomizationFileName);
    EXPECT_EQ(fields(accessor->configurationSettings()),
        fields(C::ConfigurationSettings {
            information.code, information.version, true, { C::SelectionDisabled, C::SelectionOnSlave } }));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(CharacteristicsTest, TheScreenIsTheMainOneOrNone)
{
    QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_TRUE(primary);
    gGuiEnv->guiSettings()->setMainScreen(primary);
    const C::Screen screen = accessor->screen();
    EXPECT_EQ(std::make_tuple(screen.width, screen.height, screen.isPortrait, screen.refreshRate),
        std::make_tuple(primary->size().width(), primary->size().height(),
            primary->isPortrait(primary->orientation()), primary->refreshRate()));
    gGuiEnv->guiSettings()->setMainScreen(nullptr);
    const C::Screen none = accessor->screen();
    EXPECT_EQ(std::make_tuple(none.width, none.height, none.isPortrait, none.refreshRate),
        std::make_tuple(0, 0, false, 0.0));
}

TEST_F(CharacteristicsTest, OnlyPlatformOneIsADesktop)
{
    for (const auto& [platform, desktop] :
        { std::make_pair(0, false), std::make_pair(1, true), std::make_pair(2, false) }) {
        gCoreEnv->setPlatform(platform);
        EXPECT_EQ(accessor->isPlatformDesktop(), desktop) << platform;
    }
}

struct CapabilityCase
{
    GuiSettings::Capability capability;
    bool C::Capabilities::*field;
};

void PrintTo(const CapabilityCase& c, std::ostream* os)
{
    *os << int(c.capability);
}

using Caps = C::Capabilities;
const CapabilityCase kCapabilities[] = {
    { GuiSettings::Playlists, &Caps::hasPlaylistsCapabilities },
    { GuiSettings::Screensaver, &Caps::hasScreensaverCapabilities },
    { GuiSettings::NewsFeed, &Caps::hasNewsFeedCapabilities },
    { GuiSettings::WebViews, &Caps::hasWebViewsCapabilities },
    { GuiSettings::Promotions, &Caps::hasPromotionsCapabilities },
    { GuiSettings::Upselling, &Caps::hasUpsellingCapabilities },
    { GuiSettings::NutritionalInformation, &Caps::hasNutritionalInformationCapabilities },
    { GuiSettings::Allergens, &Caps::hasAllergensCapabilities },
    { GuiSettings::CoffeeToGo, &Caps::hasCoffeeToGoCapabilities },
    { GuiSettings::Snacks, &Caps::hasSnacksCapabilities },
    { GuiSettings::Customizations, &Caps::hasCustomizationsCapabilities },
    { GuiSettings::Categories, &Caps::hasCategoriesCapabilities },
    { GuiSettings::QrCodes, &Caps::hasQrCodesCapabilities },
    { GuiSettings::Loyalty, &Caps::hasLoyaltyCapabilities },
    { GuiSettings::RemoteSelection, &Caps::hasRemoteSelectionCapabilities },
    { GuiSettings::EnergySaving, &Caps::hasEnergySavingCapabilities },
    { GuiSettings::RollingTexts, &Caps::hasRollingTextsCapabilities },
    { GuiSettings::DeletePlaylistsRemotely, &Caps::hasDeletePlaylistsRemotelyCapabilities },
};

class EveryCapability : public CharacteristicsTest, public ::testing::WithParamInterface<CapabilityCase>
{
};

TEST_P(EveryCapability, ReachesItsOwnFieldOnly)
{
    const CapabilityCase& mine = GetParam();
    gGuiEnv->guiSettings()->setCapability(mine.capability, true);
    const Caps capabilities = accessor->capabilities();
    for (const CapabilityCase& c : kCapabilities)
        EXPECT_EQ(capabilities.*c.field, c.field == mine.field) << int(c.capability);
}

INSTANTIATE_TEST_SUITE_P(Capabilities, EveryCapability, ::testing::ValuesIn(kCapabilities));

struct ModelCase
{
    HardwareEnvironment::MachineModel core;
    C::Model lea;
};

class EveryModel : public CharacteristicsTest, public ::testing::WithParamInterface<ModelCase>
{
};

TEST_P(EveryModel, IsReportedAsTheInterfacesAndConvertsBack)
{
    gHardwareEnv->setMachineModel(GetParam().core);
    EXPECT_EQ(accessor->software().model, GetParam().lea);
    EXPECT_EQ(
        bridge::staticsettings::MachineModelEnumConverter::toInternalOpt(GetParam().lea), GetParam().core);
}

using M = HardwareEnvironment;
INSTANTIATE_TEST_SUITE_P(Models, EveryModel,
    ::testing::Values(ModelCase { M::TableTopInstant, C::TableTopInstant },
        ModelCase { M::TableTopEspresso, C::TableTopEspresso },
        ModelCase { M::FloorStandingInstant, C::FloorStandingInstant },
        ModelCase { M::FloorStandingEspresso, C::FloorStandingEspresso },
        ModelCase { M::CompactInstant, C::CompactInstant },
        ModelCase { M::CompactEspresso, C::CompactEspresso }, ModelCase { M::Quorra, C::Quorra }));

TEST_F(CharacteristicsTest, ValuesWithoutCounterpartAreRefused)
{
    for (const C::Model model :
        { C::TableTopFreshBrew, C::TableTopDuo, C::FloorStandingFreshBrew, C::FloorStandingDuo })
        EXPECT_FALSE(bridge::staticsettings::MachineModelEnumConverter::toInternalOpt(model)) << int(model);
    gHardwareEnv->setMachineModel(static_cast<M::MachineModel>(7));
    EXPECT_EQ(exceptionText<std::invalid_argument>([&] {
        accessor->software();
    }).rfind("Invalid internal enum value 7 (", 0),
        0u);
    loadConfiguration();
    gHardwareEnv->slaveMachinesSettings()->attachSlaveMachine(static_cast<Slave::SlaveSelectionType>(4));
    EXPECT_EQ(exceptionText<std::invalid_argument>([&] {
        accessor->configurationSettings();
    }).rfind("Invalid internal enum value 4 (", 0),
        0u);
}

using Characteristics = bridge::staticsettings::Characteristics;
const GuardCase<Characteristics> kGuarded[] = {
    { "machine",
        [](Characteristics& c) {
            gCoreEnv->machine()->setIdentity(kIdentity);
            return fields(c.machine())
                == std::make_tuple(kIdentity.serialNumber, kIdentity.machineCode, kIdentity.assetNumber,
                    QString(), kIdentity.installationDate);
        } },
    { "remoteControls",
        [](Characteristics& c) {
            const C::RemoteControls r = c.remoteControls();
            return !r.remoteSelectionEnabled && !r.remoteCleaningEnabled && !r.remoteRebootEnabled;
        } },
    { "guiCustomizationFileName", [](Characteristics& c) { return c.guiCustomizationFileName().isEmpty(); } },
    { "configurationSettings",
        [](Characteristics& c) {
            gHardwareEnv->slaveMachinesSettings()->setEnabled(true);
            return fields(c.configurationSettings()) == fields(C::ConfigurationSettings {});
        } },
    { "actuatorBoard", [](Characteristics& c) { return c.actuatorBoard().version == 0; }, Guard::None },
    { "capabilities", [](Characteristics& c) { return !c.capabilities().hasPlaylistsCapabilities; },
        Guard::None },
    { "configurationGroupSettings",
        [](Characteristics& c) { return c.configurationGroupSettings().name.isEmpty(); }, Guard::None },
    { "software", [](Characteristics& c) { return c.software().model == C::TableTopInstant; }, Guard::None },
};

GUARD_TEST(CharacteristicsGuard, LeaCharacteristics, Characteristics, kGuarded);

} // namespace
