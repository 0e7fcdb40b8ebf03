#include "bridge/interface/receiptqrcode.h"
#include "bridge/interface/selectionqrcode.h"
#include "bridge/interface/uioptions.h"
#include "core/configuration/configuration.h"
#include "core/configuration/cupdispensersettings.h"
#include "core/configuration/directselectionsettings.h"
#include "core/configuration/displaydisabledmodes.h"
#include "core/configuration/generalsettings.h"
#include "core/configuration/speakersetup.h"
#include "core/selection/quickselectionmanager.h"
#include "support/guardtest.h"
#include "support/machineaccessortest.h"

#include <functional>
#include <QSignalSpy>

namespace {

using LeaUIOptions = lea::interface::UIOptions;
using UIOptions = bridge::interface::UIOptions;

const GuardCase<UIOptions> kUIOptionsGuards[] = {
    { "setupUI",
        [](UIOptions& a) {
            const auto s = a.setupUI();
            return s.selectionModeSetup == LeaUIOptions::SelectionModeSetup0 && !s.directSelectionFlag
                && !s.chooseWhereDelivery;
        } },
    { "disabilityUI",
        [](UIOptions& a) {
            const auto d = a.disabilityUI();
            return !d.allowed && !d.isDefault;
        } },
    { "informations",
        [](UIOptions& a) {
            const auto i = a.informations();
            return !i.generalFlagA && !i.generalFlagB && !i.generalFlagC && !i.quickSelectionEnabled
                && i.warningDisplayEnd.isNull() && !i.soundEnabled && !i.generalFlagD;
        } },
};
GUARD_TEST(UIOptionsGuard, LeaUIOptions, UIOptions, kUIOptionsGuards);

const GuardCase<bridge::interface::SelectionQRCode> kSelectionQRCodeGuards[] = {
    { "mode", [](bridge::interface::SelectionQRCode& a) { return a.mode() == 0; } },
    { "data", [](bridge::interface::SelectionQRCode& a) { return a.data().isEmpty(); }, Guard::None },
};
GUARD_TEST(SelectionQRCodeGuard, lea::interface::SelectionQRCode, bridge::interface::SelectionQRCode,
    kSelectionQRCodeGuards);

const GuardCase<bridge::interface::ReceiptQRCode> kReceiptQRCodeGuards[] = {
    { "settings",
        [](bridge::interface::ReceiptQRCode& a) {
            const auto s = a.settings();
            return !s.enabled && s.first == 0 && s.second == 0;
        } },
};
GUARD_TEST(ReceiptQRCodeGuard, lea::interface::ReceiptQRCode, bridge::interface::ReceiptQRCode,
    kReceiptQRCodeGuards);

class UIOptionsTest : public MachineAccessorTest<LeaUIOptions, UIOptions>
{
protected:
    void prepare() override { configuration = loadConfiguration(); }

    Configuration* configuration = nullptr;
};

TEST_F(UIOptionsTest, RecordsCarryTheConfigurationsValues)
{
    configuration->directSelectionSettings()->setSelectionModeSetup(
        DirectSelectionSettings::SelectionModeSetup2, true);
    configuration->cupDispenserSettings()->setChooseWhereDelivery(true);
    const auto setup = accessor->setupUI();
    EXPECT_EQ(setup.selectionModeSetup, LeaUIOptions::SelectionModeSetup2);
    EXPECT_TRUE(setup.directSelectionFlag);
    EXPECT_TRUE(setup.chooseWhereDelivery);

    configuration->displayDisabledModes()->setDisabilityUI(true, false);
    EXPECT_TRUE(accessor->disabilityUI().allowed);
    EXPECT_FALSE(accessor->disabilityUI().isDefault);

    GeneralSettings& general = *configuration->generalSettings();
    general.setShowRecipeNutritionalInfo(true);
    general.setDisplayFlagD(true);
    const QDateTime end(QDate(2026, 3, 1), QTime(12, 30), Qt::UTC);
    configuration->quickSelectionManager()->setWarningDisplayEndDate(end);
    configuration->quickSelectionManager()->setEnabled(true);
    const auto informations = accessor->informations();
    EXPECT_FALSE(informations.generalFlagA);
    EXPECT_TRUE(informations.generalFlagB);
    EXPECT_FALSE(informations.generalFlagC);
    EXPECT_TRUE(informations.quickSelectionEnabled);
    EXPECT_EQ(informations.warningDisplayEnd, end);
    EXPECT_TRUE(informations.generalFlagD);
}

TEST_F(UIOptionsTest, SoundIsEnabledOnlyAboveVolumeZero)
{
    for (const auto& [volume, enabled] : { std::pair(-3, false), std::pair(0, false), std::pair(1, true) }) {
        configuration->speakerSetup()->setVolume(volume);
        EXPECT_EQ(accessor->informations().soundEnabled, enabled) << volume;
    }
}

TEST_F(UIOptionsTest, AnUnlistedSelectionModeSetupThrows)
{
    configuration->directSelectionSettings()->setSelectionModeSetup(
        static_cast<DirectSelectionSettings::SelectionModeSetup>(7), false);
    EXPECT_THROW(accessor->setupUI(), std::invalid_argument);
}

// Each change source of the loaded configuration, and the signal that relays it.
struct Relay
{
    const char* name;
    std::function<void(Configuration&)> change;
    bool informations;
};

const Relay kRelays[] = {
    { "nutritionalInfo", [](Configuration& c) { c.generalSettings()->setShowNutritionalInfo(true); }, true },
    { "recipeNutritionalInfo",
        [](Configuration& c) { c.generalSettings()->setShowRecipeNutritionalInfo(true); }, true },
    { "quickSelectionEnabled", [](Configuration& c) { c.quickSelectionManager()->setEnabled(true); }, true },
    { "warningDelay", [](Configuration& c) { c.quickSelectionManager()->setWarningMessageDelay(5); }, true },
    { "volume", [](Configuration& c) { c.speakerSetup()->setVolume(4); }, true },
    { "disabilityUI", [](Configuration& c) { c.displayDisabledModes()->setDisabilityUI(true, true); },
        false },
};

class UIOptionsRelayTest : public UIOptionsTest, public ::testing::WithParamInterface<Relay>
{
};

// Exactly one set of relays, on whichever configuration is loaded.
TEST_P(UIOptionsRelayTest, FollowsTheLoadedConfigurationOnly)
{
    QSignalSpy informations(accessor.get(), &LeaUIOptions::informationsChanged);
    QSignalSpy disability(accessor.get(), &LeaUIOptions::disabilityUIChanged);
    QSignalSpy& expected = GetParam().informations ? informations : disability;
    GetParam().change(*configuration);
    EXPECT_EQ(expected.count(), 1);

    Configuration* next = loadConfiguration();
    GetParam().change(*next);
    EXPECT_EQ(expected.count(), 2);
    EXPECT_EQ(informations.count() + disability.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Sources, UIOptionsRelayTest, ::testing::ValuesIn(kRelays), caseName<Relay>);

} // namespace
