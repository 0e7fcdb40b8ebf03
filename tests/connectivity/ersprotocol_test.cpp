#include "bridge/connectivity/ersprotocol.h"
#include "bridge/connectivity/ersstatusenumconverter.h"
#include "core/configuration/configurationgroup.h"
#include "core/gui/ersprotocolproperties.h"
#include "core/machine/machine.h"
#include "core/machine/uartmanager.h"
#include "core/selection/selectionnumberadapter.h"
#include "core/settings/settingsstore.h"
#include "core/tools/envvars.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <functional>
#include <limits>
#include <QSignalSpy>

namespace {

using LeaErs = lea::connectivity::ERSProtocol;
using ERSProtocol = bridge::connectivity::ERSProtocol;
using lea::ProductDbId;

const GuardCase<ERSProtocol> kGuards[] = {
    { "settings",
        [](ERSProtocol& e) {
            const LeaErs::Settings s = e.settings();
            return !s.selectionQrCodeActive && !s.macasActive && s.terminalId.isEmpty()
                && s.paymentSystem == -1;
        } },
    { "selectionNumber", [](ERSProtocol& e) { return !e.selectionNumber(ProductDbId(1)); }, Guard::None },
    { "dbId", [](ERSProtocol& e) { return !e.dbId(1); }, Guard::None },
};
GUARD_TEST(ERSProtocolGuard, LeaErs, ERSProtocol, kGuards);

using ERSProtocolTest = SettingsAccessorTest<LeaErs, ERSProtocol>;

TEST_F(ERSProtocolTest, SelectionNumbersRoundTripThroughTheCoreAndNameOneProductEach)
{
    accessor->setSelectionNumber(ProductDbId(0), 1);
    accessor->setSelectionNumber(ProductDbId(4), 2);
    accessor->setSelectionNumber(ProductDbId(5), 2); // taken from product 4
    store().reload();
    EXPECT_EQ(accessor->selectionNumber(ProductDbId(0)), nonstd::optional<unsigned char>(1));
    EXPECT_EQ(accessor->selectionNumber(ProductDbId(5)), nonstd::optional<unsigned char>(2));
    EXPECT_FALSE(accessor->selectionNumber(ProductDbId(4)));
    EXPECT_EQ(accessor->dbId(1), nonstd::optional<ProductDbId>(ProductDbId(0)));
    EXPECT_EQ(accessor->dbId(2), nonstd::optional<ProductDbId>(ProductDbId(5)));
    EXPECT_FALSE(accessor->dbId(3));
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(ERSProtocolTest, IdsWithoutCoreCounterpartNameNothing)
{
    // A product that was never stored has a negative id in the core.
    ASSERT_TRUE(SelectionNumberAdapter::setSelectionNumber(-5, 9));
    EXPECT_FALSE(accessor->dbId(9));
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].kind, LogEntry::Kind::Assertion);
    EXPECT_EQ(logEntries()[0].items.mid(0, 2), (QStringList { "coreId >= 0", "Expected valid identifier" }));

    clearLog();
    const ProductDbId beyond(unsigned(std::numeric_limits<int>::max()) + 1u);
    EXPECT_FALSE(accessor->selectionNumber(beyond));
    accessor->setSelectionNumber(beyond, 9);
    EXPECT_EQ(SelectionNumberAdapter::try_id(9), nonstd::optional<int>(-5));
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].items.value(1), "Invalid product id");
}

TEST_F(ERSProtocolTest, ARefusedSaveIsLoggedAndKeepsTheNumbers)
{
    accessor->setSelectionNumber(ProductDbId(3), 7);
    refuseSetting("ers/selectionNumbers");
    clearLog();
    accessor->setSelectionNumber(ProductDbId(4), 7);
    store().reload();
    EXPECT_EQ(accessor->dbId(7), nonstd::optional<ProductDbId>(ProductDbId(3)));
    EXPECT_FALSE(accessor->selectionNumber(ProductDbId(4)));
    const QList<LogEntry> failures = logEntriesContaining("Failed to save selection number");
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0].level, LogLevel::Error);
    EXPECT_EQ(failures[0].modules, QStringList { "Database" });
}

// One integration's setter and the core group it writes.
struct StatusSetter
{
    const char* name;
    void (LeaErs::*set)(LeaErs::Status);
    ErsStatusGroup* (ERSProtocolProperties::*group)() const;
};

class ERSStatuses : public ERSProtocolTest, public ::testing::WithParamInterface<StatusSetter>
{
};

TEST_P(ERSStatuses, EveryKnownStatusIsShownAndAnUnknownOneThrowsAndChangesNothing)
{
    const StatusSetter& setter = GetParam();
    ErsStatusGroup& group = *(ERSProtocolProperties::instance()->*setter.group)();
    for (const LeaErs::Status status : { LeaErs::Offline, LeaErs::Inactive, LeaErs::Initializing,
             LeaErs::Ready, LeaErs::Busy, LeaErs::Error }) {
        ((*accessor).*setter.set)(status);
        EXPECT_EQ(group.status(), int(status));
    }
    for (const int unknown : { 6, -1 }) {
        const std::string expected = "Invalid external enum value " + std::to_string(unknown) + " ("
            + bridge::connectivity::ErsStatusEnumConverter::converter() + ")";
        EXPECT_EQ(
            exceptionText<std::invalid_argument>([&] { ((*accessor).*setter.set)(LeaErs::Status(unknown)); }),
            expected);
        EXPECT_EQ(group.status(), int(LeaErs::Error));
    }
}

INSTANTIATE_TEST_SUITE_P(Integrations, ERSStatuses,
    ::testing::Values(
        StatusSetter { "QRCodePS", &LeaErs::setQRCodePSStatus, &ERSProtocolProperties::qrCodePaymentSystem },
        StatusSetter { "Macas", &LeaErs::setMacasStatus, &ERSProtocolProperties::macas }),
    caseName<StatusSetter>);

TEST_F(ERSProtocolTest, OperationsNotOfferedOnlyReportTheCall)
{
    const int qrCode = ERSProtocolProperties::instance()->qrCodePaymentSystem()->status();
    const int macas = ERSProtocolProperties::instance()->macas()->status();
    accessor->setCoffeeAppealStatus(LeaErs::Ready);
    accessor->setVireoProUpStatus(LeaErs::Ready);
    ASSERT_EQ(logEntries().size(), 2);
    EXPECT_EQ(logEntries()[0].items,
        (QStringList {
            "virtual void bridge::connectivity::ERSProtocol::setCoffeeAppealStatus(lea::connectivity::"
            "ERSProtocol::Status)",
            "Not implemented" }));
    EXPECT_EQ(logEntries()[1].items.value(0),
        "virtual void "
        "bridge::connectivity::ERSProtocol::setVireoProUpStatus(lea::connectivity::ERSProtocol::Status) "
        "is not implemented.");
    for (const LogEntry& entry : logEntries())
        EXPECT_EQ(entry.level, LogLevel::Warning);
    EXPECT_EQ(ERSProtocolProperties::instance()->qrCodePaymentSystem()->status(), qrCode);
    EXPECT_EQ(ERSProtocolProperties::instance()->macas()->status(), macas);
}

TEST_F(ERSProtocolTest, SettingsAndAvailabilityFollowTheMachine)
{
    Machine& core = *gCoreEnv->machine();
    core.setErsTerminalId("T-17");
    core.setErsPaymentSystem(4);
    EXPECT_FALSE(accessor->available());
    core.setSelectionQrCodeActive(true);
    LeaErs::Settings settings = accessor->settings();
    EXPECT_TRUE(settings.selectionQrCodeActive);
    EXPECT_FALSE(settings.coffeeAppealActive || settings.vireoProUpActive || settings.macasActive);
    EXPECT_EQ(settings.terminalId, "T-17");
    EXPECT_EQ(settings.paymentSystem, 4);
    EXPECT_TRUE(accessor->available());

    core.setSelectionQrCodeActive(false);
    EnvVars::set(EnvVars::Macas, true);
    settings = accessor->settings();
    EnvVars::set(EnvVars::Macas, false);
    EXPECT_TRUE(settings.macasActive);
    EXPECT_FALSE(settings.selectionQrCodeActive);
}

TEST_F(ERSProtocolTest, EachCoreSourceAnnouncesTheAvailability)
{
    const std::pair<const char*, std::function<void()>> sources[] = {
        { "QR code", [] { gCoreEnv->machine()->setSelectionQrCodeActive(true); } },
        { "configuration", [this] { loadConfiguration(); } },
        { "UART", [] { gCoreEnv->machine()->uartManager()->setActiveFeature(UARTTouchlessPayment); } },
    };
    for (const auto& [name, cause] : sources) {
        QSignalSpy available(accessor.get(), &LeaErs::availableChanged);
        cause();
        EXPECT_EQ(available.count(), 1) << name;
    }
}

} // namespace
