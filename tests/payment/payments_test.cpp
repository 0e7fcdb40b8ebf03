#include "bridge/payment/moneyeventtypeenumconverter.h"
#include "bridge/payment/payments.h"
#include "core/configuration/configuration.h"
#include "core/configuration/paymentsettings.h"
#include "core/coreenvironment.h"
#include "core/log/logsink.h"
#include "core/machine/machine.h"
#include "core/payment/billvalidatordevice.h"
#include "core/payment/cashlessdevice.h"
#include "core/payment/changegiverdevice.h"
#include "core/payment/coinvalidatordevice.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"
#include "core/statistics/evadtsconfigurationreporthandler.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"
#include "support/signalnames.h"

#include <climits>
#include <functional>
#include <memory>
#include <QSignalSpy>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using LeaPayments = lea::payment::Payments;
using Payments = bridge::payment::Payments;
using Record = LeaPayments::Payment;
using Converter = bridge::payment::MoneyEventTypeEnumConverter;

auto fields(const LeaPayments::MoneyEvent& e)
{
    return std::make_tuple(int(e.type), e.value, e.device, e.quantity, e.balance);
}

// Every signal of one accessor by name, and the money events, in the order they were emitted.
class SignalRecorder : public SignalNames
{
public:
    explicit SignalRecorder(LeaPayments& accessor)
        : SignalNames(accessor,
            { &LeaPayments::priceChanged, &LeaPayments::creditChanged, &LeaPayments::vendModeChanged,
                &LeaPayments::externalVendRequest, &LeaPayments::exactChangeModeChanged })
    {
        connect(&accessor, &LeaPayments::terminateVendRequest, this, [this] { record("terminate"); });
        connect(&accessor, &LeaPayments::moneyEvent, this, [this](const LeaPayments::MoneyEvent& e) {
            record("moneyEvent");
            events.push_back(fields(e));
        });
    }
    std::vector<std::tuple<int, int, int, int, int>> events;
};

class PaymentsTest : public SettingsAccessorTest<LeaPayments, Payments>
{
protected:
    void SetUp() override
    {
        SettingsAccessorTest::SetUp();
        recorder = std::make_unique<SignalRecorder>(*accessor);
    }
    static Payment& core() { return *gCoreEnv->payment(); }
    static QList<AbstractPaymentDevice*> allDevices()
    {
        return { core().changeGiverDevice(), core().billValidatorDevice(), core().cashlessDevice(0),
            core().cashlessDevice(1), core().parallelCoinValidatorDevice(),
            core().executiveChangeGiverDevice() };
    }
    std::unique_ptr<SignalRecorder> recorder;
};

TEST(MoneyEventTypeEnumConverter, IsTheIdentityOnZeroToSixteenOnly)
{
    for (int value = 0; value <= 16; ++value) {
        EXPECT_EQ(Converter::toExternalOpt(payment::CmeType(value)), LeaPayments::MoneyEventType(value));
        EXPECT_EQ(Converter::toInternalOpt(LeaPayments::MoneyEventType(value)), payment::CmeType(value));
    }
    for (const int value : { -1, 17 }) {
        EXPECT_FALSE(Converter::toExternalOpt(payment::CmeType(value)));
        EXPECT_FALSE(Converter::toInternalOpt(LeaPayments::MoneyEventType(value)));
    }
}

TEST_F(PaymentsTest, CreditAndMoneyEventsReachTheInterfaceWithTheirDataUnchanged)
{
    core().addCredit(150);
    core().insertToken();
    EXPECT_TRUE(accessor->tokenVend());
    EXPECT_TRUE(core().chargeVend(100)); // the token pays
    EXPECT_FALSE(accessor->tokenVend());
    EXPECT_TRUE(core().chargeVend(100));
    EXPECT_EQ(accessor->credit(), 50);
    core().returnChange();
    EXPECT_EQ(accessor->credit(), 0);
    core().reportMoneyEvent({ payment::ExternalVend, -7, 0x7fffffff, -1, 99 });
    EXPECT_EQ(recorder->take(),
        (QStringList { "creditChanged", "moneyEvent", "vendModeChanged", "moneyEvent", "vendModeChanged",
            "creditChanged", "creditChanged", "moneyEvent", "moneyEvent" }));
    EXPECT_EQ(recorder->events,
        (decltype(recorder->events) { { 0, 150, 0x08, 1, 150 }, { 7, 0, 0x08, 1, 150 }, { 2, 50, 0x08, 0, 0 },
            { 16, -7, 0x7fffffff, -1, 99 } }));

    EXPECT_NO_THROW(core().reportMoneyEvent({ payment::CmeType(17), 1, 2, 3, 4 }));
    EXPECT_EQ(recorder->take(), QStringList());
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(std::make_pair(entries[0].level, entries[0].modules),
        std::make_pair(LogLevel::Error, QStringList { "Global" }));
    EXPECT_EQ(entries[0].items,
        (QStringList { "void bridge::payment::Payments::onPaymentMoneyEvent(const payment::Cme&)",
            "Failed converting payment event type", "17" }));
}

TEST_F(PaymentsTest, CoreSignalsAreRelayedAndEveryPriceCauseGivesPriceChanged)
{
    const std::pair<std::function<void()>, QString> cases[] = {
        { [] { core().setFreeVend(true); }, "vendModeChanged" },
        { [] { core().requestExternalVend(); }, "externalVendRequest" },
        { [] { core().requestPriceUpdate(); }, "priceChanged" },
        { [] { core().setPriceListMode(3); }, "priceChanged" },
        { [] { core().setBeveragePriceDevice(0x10); }, "priceChanged" },
        { [] { gCoreEnv->machine()->evadtsConfigurationReportHandler()->applyPrices(); }, "priceChanged" },
        { [] { core().setExactChange(true); }, "exactChangeModeChanged" },
    };
    for (const auto& [cause, name] : cases) {
        cause();
        EXPECT_EQ(recorder->take(), QStringList { name });
    }
    EXPECT_TRUE(accessor->exactChangeMode());
}

TEST_F(PaymentsTest, ExternalVendGrantedOrRefusedEndsWithOneTerminateWhenTheReservationEnds)
{
    QSignalSpy cancelled(&core(), &Payment::vendCancelledByUser);
    for (const bool granted : { true, false }) {
        core().requestExternalVend();
        EXPECT_TRUE(accessor->isReservationActive());
        EXPECT_EQ(recorder->take(), QStringList { "externalVendRequest" }) << granted;
        if (granted) {
            accessor->authorizeExternalVend();
            EXPECT_EQ(gCoreEnv->userSelectionManager()->currentState(), UserSelectionManager::State(3));
            EXPECT_TRUE(accessor->isReservationActive());
            EXPECT_EQ(recorder->take(), QStringList());
            core().setReservationActive(false); // the vend is over
        } else {
            accessor->cancelVendRequest();
            EXPECT_EQ(cancelled.count(), 1);
        }
        EXPECT_EQ(core().lastExternalVendAnswer(), nonstd::optional<bool>(granted));
        EXPECT_FALSE(accessor->isReservationActive());
        EXPECT_EQ(recorder->take(), QStringList { "terminate" }) << granted;
    }
}

TEST_F(PaymentsTest, DevicesFollowTheProtocolModeAndTheExecutiveTypeRefinesTheProtocol)
{
    // Mode, executive type, devices present (bits in allDevices() order), coins' kind (0: none),
    // bills and both readers listed, protocol (-1: none).
    // clang-format off
    const std::tuple<int, int, int, int, bool, int> cases[] = {
        { 1, 0, 0b111111, 0x08, true, 1 }, { 1, 0, 0b111110, 0x01, true, 1 }, { 1, 0, 0b100001, 0x08, false, 1 },
        { 1, 0, 0b000000, 0, false, 1 }, { 0, 0, 0b111111, 0x01, false, 0 }, { 2, 0, 0b111111, 0x01, false, 2 },
        { 3, 0, 0b111111, 0x02, false, 3 }, { 3, 1, 0b011111, 0x01, false, 5 }, { 3, 2, 0b100000, 0x02, false, 6 },
        { 3, 3, 0b101111, 0x02, false, 4 }, { 7, 0, 0b111111, 0x01, false, -1 },
    };
    // clang-format on
    for (const auto& [mode, executive, present, coins, others, protocol] : cases) {
        core().setProtocolMode(mode);
        core().setExecutiveType(executive);
        for (int k = 0; k < 6; ++k)
            allDevices()[k]->setPresent(present & (1 << k));
        const Record record = accessor->payment();
        EXPECT_EQ(record.coins ? record.coins->kind : 0, coins) << mode << present;
        EXPECT_EQ(std::make_tuple(bool(record.bills), bool(record.cashless1), bool(record.cashless2)),
            std::make_tuple(others, others, others))
            << mode << present;
        EXPECT_EQ(record.protocol ? int(*record.protocol) : -1, protocol) << mode << executive;
        EXPECT_FALSE(record.reserved);
    }
    EXPECT_TRUE(logEntries().isEmpty());

    core().setExecutiveType(4);
    core().setProtocolMode(3);
    EXPECT_FALSE(accessor->payment().protocol);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(std::make_pair(logEntries()[0].level, logEntries()[0].modules),
        std::make_pair(LogLevel::Error, QStringList { "Global", "Payment" }));
    EXPECT_EQ(logEntries()[0].text,
        "virtual lea::payment::Payments::Payment bridge::payment::Payments::payment() const Got an "
        "ExecutiveType out of range: 4");
}

TEST_F(PaymentsTest, GeneralProtocolsAreTheFamiliesOfTheProtocols)
{
    EXPECT_EQ(accessor->availableGeneralProtocols(),
        (QList<LeaPayments::GeneralProtocol> {
            LeaPayments::GeneralParallel, LeaPayments::GeneralMdb, LeaPayments::GeneralExecutive }));
    const int families[] = { 0, 1, 2, 3, 3, 3, 3, 0 };
    for (int protocol = 0; protocol < 8; ++protocol)
        EXPECT_EQ(
            accessor->getGeneralProtocolFromProtocol(LeaPayments::Protocol(protocol)), families[protocol]);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].items,
        (QStringList { "virtual lea::payment::Payments::GeneralProtocol "
                       "bridge::payment::Payments::getGeneralProtocolFromProtocol(const "
                       "lea::payment::Payments::Protocol&) const",
            "Failed converting protocol into general protocol", "7" }));
}

TEST_F(PaymentsTest, TheRecordCopiesTheDevicesTokensCreditsAndTheCurrency)
{
    for (AbstractPaymentDevice* device : allDevices())
        device->setPresent(true);
    core().changeGiverDevice()->setCoins({ { 12, 50 }, { 3, 200 } });
    core().changeGiverDevice()->setTypeNumber(0x1ff);
    core().billValidatorDevice()->setTokens({ { 0, 500 } });
    core().cashlessDevice(0)->setHasInformation(true);
    core().cashlessDevice(0)->setFeatureLevel(3);
    core().cashlessDevice(1)->setFeatureLevel(3);
    core().changeGiverDevice()->setCredit(0, 70);
    core().changeGiverDevice()->setCredit(2, 30);
    core().cashlessDevice(1)->setCredit(2, INT_MAX);
    core().setCreditSelector(-1);
    core().setEscrowEnabled(true);
    core().setCurrency("CHF");

    const Record record = accessor->payment();
    EXPECT_EQ(std::make_tuple(record.creditSelector, record.escrowEnabled, record.currencyCode),
        std::make_tuple(quint8(0xff), true, quint16(756)));
    ASSERT_TRUE(record.coins && record.bills && record.cashless1 && record.cashless2);
    ASSERT_TRUE(record.coins->cashInfo && record.bills->cashInfo);
    EXPECT_EQ(std::make_pair(record.coins->kind, record.coins->credit), std::make_pair(quint8(0xff), 100));
    std::vector<std::pair<int, int>> tokens;
    for (const auto* info : { &*record.coins->cashInfo, &*record.bills->cashInfo })
        for (const auto& token : info->tokens)
            tokens.emplace_back(token.value, token.quantity);
    EXPECT_EQ(tokens, (std::vector<std::pair<int, int>> { { 50, 12 }, { 200, 3 }, { 500, 0 } }));
    EXPECT_FALSE(record.coins->cashlessInfo || record.bills->cashlessInfo || record.cashless1->cashInfo);
    EXPECT_EQ(record.cashless1->cashlessInfo, (std::array<quint8, 3> { 3, 1, 2 }));
    EXPECT_FALSE(record.cashless2->cashlessInfo); // no information yet
    const auto validator = accessor->basicPaymentFromPaymentDevice(core().parallelCoinValidatorDevice());
    EXPECT_EQ(std::make_tuple(validator.kind, bool(validator.cashInfo), bool(validator.cashlessInfo)),
        std::make_tuple(quint8(0x01), false, false));
    EXPECT_EQ(accessor->basicPaymentFromPaymentDevice(nullptr).kind, 0);

    // Selector, credit of every present device for it.
    const std::pair<int, int> credits[] = { { 0, 70 }, { 1, 0 }, { 2, INT_MAX } };
    for (const auto& [selector, total] : credits) {
        core().setCreditSelector(selector);
        EXPECT_EQ(accessor->totalCredit(), total) << selector;
    }
    core().changeGiverDevice()->setPresent(false);
    EXPECT_EQ(accessor->totalCredit(), INT_MAX);
    core().cashlessDevice(1)->setPresent(false);
    EXPECT_EQ(accessor->totalCredit(), 0);
    core().setCurrency("XYZ");
    EXPECT_EQ(accessor->payment().currencyCode, 0);
}

TEST_F(PaymentsTest, FreeVendTokenAndCancellingGiveTheStatusAndTheModes)
{
    // Free vend, single vend, token, cancelling, tokens; freeVend(), status, tokenVend().
    // clang-format off
    const std::tuple<bool, bool, bool, bool, int, bool, int, bool> cases[] = {
        { false, false, false, false, 0, false, 0, false }, { true, false, false, false, 0, true, 2, false },
        { true, true, false, false, 0, true, 1, false }, { true, false, false, true, 0, false, 0, false },
        { false, true, false, true, 0, false, 1, false }, { false, false, true, false, 0, false, 0, true },
        { false, false, false, false, 2, false, 0, true },
    };
    // clang-format on
    for (const auto& [free, single, token, cancelling, tokens, isFree, status, tokenVend] : cases) {
        core().setFreeVend(free);
        core().setFreeVendSingleVend(single);
        core().setFreeVendToken(token);
        core().setFreeVendCancelling(cancelling);
        while (core().tokenCount() < tokens)
            core().insertToken();
        EXPECT_EQ(std::make_tuple(accessor->freeVend(), int(accessor->payment().freeVendStatus),
                      accessor->tokenVend(), accessor->freeVendSingleVend(), accessor->freeVendToken()),
            std::make_tuple(isFree, status, tokenVend, single, token));
    }
    // Mode asked, free vend and single vend after it.
    const std::tuple<int, bool, bool> modes[]
        = { { 2, true, false }, { 1, true, true }, { 0, false, true }, { 9, false, true } };
    for (const auto& [mode, free, single] : modes) {
        accessor->setFreevendMode(LeaPayments::FreeVendStatus(mode));
        EXPECT_EQ(
            std::make_pair(core().isFreeVend(), core().isFreeVendSingleVend()), std::make_pair(free, single));
    }
}

TEST_F(PaymentsTest, MechanicalReadsAndCallsReachThePaymentObject)
{
    const std::pair<int, int> lists[] = { { 0, 0 }, { 1, 0 }, { 2, 1 }, { 3, 2 }, { 4, 3 }, { 5, 0 } };
    for (const auto& [mode, number] : lists) {
        core().setPriceListMode(mode);
        EXPECT_EQ(accessor->priceListNumber(), number) << mode;
    }
    for (const bool on : { true, false }) {
        core().setDeliveryInProgress(on);
        core().setDisplayHiddenCredit(on);
        core().setCustomizationPriceVisible(on);
        EXPECT_EQ(std::make_tuple(accessor->deliveryInProgress(), accessor->showCredit(),
                      accessor->displayCustomizationPrice()),
            std::make_tuple(on, !on, on));
    }
    accessor->setOrderNumber("A-17");
    EXPECT_EQ(core().orderNumber(), "A-17");
    QSignalSpy denied(&core(), &Payment::remoteSelectionDenied);
    accessor->sendSelectionDenied();
    EXPECT_EQ(denied.count(), 1);
    core().setFreeVendCodes({ "1234" });
    EXPECT_FALSE(accessor->processFreeVendCode("9999"));
    EXPECT_TRUE(accessor->processFreeVendCode("1234"));
    EXPECT_TRUE(accessor->freeVendSingleVend());
    EXPECT_FALSE(accessor->processFreeVendCode("1234"));

    PaymentSettings& settings = *gCoreEnv->configuration()->paymentSettings();
    for (int k = 0; k < 3; ++k) {
        settings.setCreditKept(k == 0);
        settings.setMultiVend(k == 1);
        settings.setPricesShown(k == 2);
        const LeaPayments::Settings read = accessor->settings();
        EXPECT_EQ(std::make_tuple(read.creditKept, read.multiVend, read.pricesShown),
            std::make_tuple(k == 0, k == 1, k == 2));
    }
    EXPECT_TRUE(logEntries().isEmpty());
}

// Only settings() needs the configuration.
// clang-format off
const GuardCase<Payments> kGuarded[] = {
    { "payment", [](Payments& p) { return !p.payment().coins && p.payment().protocol == LeaPayments::ProtocolMdb; }, false },
    { "totalCredit", [](Payments& p) { return p.totalCredit() == 0; }, false },
    { "authorizeExternalVend", [](Payments& p) { return p.authorizeExternalVend(), true; }, false },
    { "priceListNumber", [](Payments& p) { return p.priceListNumber() == 0; }, false },
    { "deliveryInProgress", [](Payments& p) { return !p.deliveryInProgress(); }, false },
    { "setOrderNumber", [](Payments& p) { return p.setOrderNumber("1"), true; }, false },
    { "cancelVendRequest", [](Payments& p) { return p.cancelVendRequest(), true; }, false },
    { "isReservationActive", [](Payments& p) { return !p.isReservationActive(); }, false },
    { "freeVend", [](Payments& p) { return !p.freeVend(); }, false },
    { "freeVendSingleVend", [](Payments& p) { return !p.freeVendSingleVend(); }, false },
    { "freeVendToken", [](Payments& p) { return !p.freeVendToken(); }, false },
    { "setFreevendMode", [](Payments& p) { return p.setFreevendMode(LeaPayments::FreeVendOff), true; }, false },
    { "tokenVend", [](Payments& p) { return !p.tokenVend(); }, false },
    { "credit", [](Payments& p) { return p.credit() == 0; }, false },
    { "showCredit", [](Payments& p) { return p.showCredit(); }, false },
    { "exactChangeMode", [](Payments& p) { return !p.exactChangeMode(); }, false },
    { "displayCustomizationPrice", [](Payments& p) { return p.displayCustomizationPrice(); }, false },
    { "canPay", [](Payments& p) { return !p.canPay(1); }, Guard::Unsupported },
    { "settings", [](Payments& p) { const auto s = p.settings(); return !s.creditKept && !s.multiVend && !s.pricesShown; } },
    { "processFreeVendCode", [](Payments& p) { return !p.processFreeVendCode("1"); }, false },
    { "sendSelectionDenied", [](Payments& p) { return p.sendSelectionDenied(), true; }, false },
    { "availableGeneralProtocols", [](Payments& p) { return p.availableGeneralProtocols().size() == 3; }, false },
    { "getGeneralProtocolFromProtocol", [](Payments& p) { return p.getGeneralProtocolFromProtocol(LeaPayments::ProtocolMdb) == 1; }, false },
    { "onReservationTimeActiveChanged", [](Payments& p) { return p.onReservationTimeActiveChanged(), true; }, false },
    { "basicPaymentFromPaymentDevice", [](Payments& p) { return p.basicPaymentFromPaymentDevice(gCoreEnv->payment()->changeGiverDevice()).kind == 8; }, false },
};
// clang-format on
GUARD_TEST(PaymentsGuard, LeaPayments, Payments, kGuarded);

} // namespace
