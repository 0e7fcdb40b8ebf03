#include "bridge/hardware/modem.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/machine/modemmanager.h"
#include "core/machine/modemparameters.h"
#include "support/guardtest.h"
#include "support/printers.h"

#include <climits>
#include <functional>
#include <memory>
#include <QMetaMethod>
#include <QStringList>
#include <tuple>
#include <utility>

namespace {

using LeaModem = lea::hardware::Modem;
using Modem = bridge::hardware::Modem;
using Status = ModemManager::ConnectionStatus;

// Every signal of one accessor, by name, in the order they were emitted.
class SignalRecorder : public QObject
{
public:
    explicit SignalRecorder(LeaModem& modem)
    {
        using Signal = void (LeaModem::*)();
        for (const Signal signal : { &LeaModem::rssiChanged, &LeaModem::plmnChanged, &LeaModem::imsiChanged,
                 &LeaModem::imeiChanged, &LeaModem::apnChanged, &LeaModem::mobileCountryCodeChanged,
                 &LeaModem::mobileNetworkCodeChanged, &LeaModem::locationAreaCodeChanged,
                 &LeaModem::cellIdChanged }) {
            const QString name = QString::fromLatin1(QMetaMethod::fromSignal(signal).name());
            connect(&modem, signal, this, [this, name] { m_names << name; });
        }
    }

    QStringList take() { return std::exchange(m_names, {}); }

private:
    QStringList m_names;
};

class ModemTest : public MachineTest
{
protected:
    ModemManager& manager() const { return *gCoreEnv->machine()->modemManager(); }
    ModemParameters& parameters() const { return *gCoreEnv->machine()->modemParameters(); }

    void fillIn()
    {
        manager().setRssi(20);
        manager().setPlmn("22210");
        manager().setImsi("222100123456789");
        manager().setImei("356938035643809");
        manager().setMobileNetworkCode("10");
        manager().setMobileCountryCode("222");
        manager().setLocationAreaCode("4E21");
        manager().setCellId("1A2B3C");
        manager().setConnectionStatus(ModemManager::Connected);
        parameters().setApn("mobile.vend");
    }
};

TEST_F(ModemTest, EveryValueIsAbsentWhileTheModemIsSwitchedOffAndPresentWhileOn)
{
    fillIn();
    const std::unique_ptr<Modem> modem = createAccessor<LeaModem, Modem>();
    auto values = [&] {
        return std::make_tuple(modem->rssi(), modem->plmn(), modem->imsi(), modem->imei(), modem->apn(),
            modem->mobileNetworkCode(), modem->mobileCountryCode(), modem->locationAreaCode(),
            modem->cellId(), modem->connectionStatus());
    };
    const auto none = nonstd::optional<QString>();
    EXPECT_EQ(values(),
        std::make_tuple(nonstd::optional<int>(), none, none, none, none, none, none, none, none,
            nonstd::optional<LeaModem::ConnectionStatus>()));

    parameters().setEnabled(true);
    EXPECT_EQ(values(),
        std::make_tuple(nonstd::optional<int>(64), nonstd::make_optional<QString>("22210"),
            nonstd::make_optional<QString>("222100123456789"),
            nonstd::make_optional<QString>("356938035643809"), nonstd::make_optional<QString>("mobile.vend"),
            nonstd::make_optional<QString>("10"), nonstd::make_optional<QString>("222"),
            nonstd::make_optional<QString>("4E21"), nonstd::make_optional<QString>("1A2B3C"),
            nonstd::make_optional(LeaModem::Connected)));

    parameters().setEnabled(false);
    EXPECT_FALSE(modem->cellId());
    EXPECT_FALSE(modem->apn());
}

// A raw signal value of the modem and the quality in percent.
struct SignalCase
{
    int raw;
    nonstd::optional<int> percent;
};

class ModemSignal : public ModemTest, public ::testing::WithParamInterface<SignalCase>
{
};

TEST_P(ModemSignal, RawValueGivesThePercentageOrNothing)
{
    parameters().setEnabled(true);
    manager().setRssi(GetParam().raw);
    EXPECT_EQ(Modem(nullptr).rssi(), GetParam().percent) << GetParam().raw;
}

// 99 is the modem's "no measurement"; other values off the scale are not measurements either.
INSTANTIATE_TEST_SUITE_P(Values, ModemSignal,
    ::testing::Values(SignalCase { 0, 0 }, SignalCase { 1, 3 }, SignalCase { 15, 48 }, SignalCase { 30, 96 },
        SignalCase { 31, 100 }, SignalCase { 99, {} }, SignalCase { 32, {} }, SignalCase { 98, {} },
        SignalCase { 100, {} }, SignalCase { -1, {} }, SignalCase { INT_MIN, {} },
        SignalCase { INT_MAX, {} }));

// A core connection status and what the interface reads.
struct StatusCase
{
    int core;
    nonstd::optional<LeaModem::ConnectionStatus> status;
};

class ModemConnection : public ModemTest, public ::testing::WithParamInterface<StatusCase>
{
};

TEST_P(ModemConnection, CoreStatusFoldsOntoTheInterfaceStatus)
{
    parameters().setEnabled(true);
    manager().setConnectionStatus(static_cast<Status>(GetParam().core));
    EXPECT_EQ(Modem(nullptr).connectionStatus(), GetParam().status) << GetParam().core;
}

INSTANTIATE_TEST_SUITE_P(Values, ModemConnection,
    ::testing::Values(StatusCase { 100, LeaModem::Unknown }, StatusCase { 101, LeaModem::Disconnected },
        StatusCase { 102, LeaModem::Connecting }, StatusCase { 103, LeaModem::Connected },
        StatusCase { 104, LeaModem::Unknown }, StatusCase { 0, {} }, StatusCase { 3, {} },
        StatusCase { 99, {} }, StatusCase { 105, {} }));

TEST_F(ModemTest, EachCoreChangeIsRelayedOnceUnderItsOwnName)
{
    const std::unique_ptr<Modem> modem = createAccessor<LeaModem, Modem>();
    SignalRecorder recorder(*modem);
    const std::pair<std::function<void()>, QString> changes[] = {
        { [&] { manager().setRssi(12); }, "rssiChanged" },
        { [&] { manager().setPlmn("20801"); }, "plmnChanged" },
        { [&] { manager().setImsi("208011234567890"); }, "imsiChanged" },
        { [&] { manager().setImei("490154203237518"); }, "imeiChanged" },
        { [&] { parameters().setApn("internet"); }, "apnChanged" },
        { [&] { manager().setMobileCountryCode("208"); }, "mobileCountryCodeChanged" },
        { [&] { manager().setMobileNetworkCode("01"); }, "mobileNetworkCodeChanged" },
        { [&] { manager().setLocationAreaCode("0F1A"); }, "locationAreaCodeChanged" },
        { [&] { manager().setCellId("00C0FFEE"); }, "cellIdChanged" },
    };
    for (const auto& change : changes) {
        change.first();
        EXPECT_EQ(recorder.take(), QStringList { change.second });
        // The same value again is no change.
        change.first();
        EXPECT_EQ(recorder.take(), QStringList()) << qPrintable(change.second);
    }
    // The interface has no signal for the connection status.
    manager().setConnectionStatus(ModemManager::Connecting);
    EXPECT_EQ(recorder.take(), QStringList());
}

TEST_F(ModemTest, SwitchingTheModemOnOrOffAnnouncesEveryValueInOrder)
{
    const std::unique_ptr<Modem> modem = createAccessor<LeaModem, Modem>();
    SignalRecorder recorder(*modem);
    const QStringList all { "rssiChanged", "plmnChanged", "imsiChanged", "imeiChanged", "apnChanged",
        "mobileCountryCodeChanged", "mobileNetworkCodeChanged", "locationAreaCodeChanged", "cellIdChanged" };
    parameters().setEnabled(true);
    EXPECT_EQ(recorder.take(), all);
    parameters().setEnabled(true);
    EXPECT_EQ(recorder.take(), QStringList());
    parameters().setEnabled(false);
    EXPECT_EQ(recorder.take(), all);
}

// The modem does not depend on the catalogue: without a configuration it
// answers as usual, here that it is switched off.
const GuardCase<Modem> kGuarded[] = {
    { "rssi", [](Modem& m) { return !m.rssi(); }, Guard::None },
    { "plmn", [](Modem& m) { return !m.plmn(); }, Guard::None },
    { "imsi", [](Modem& m) { return !m.imsi(); }, Guard::None },
    { "imei", [](Modem& m) { return !m.imei(); }, Guard::None },
    { "apn", [](Modem& m) { return !m.apn(); }, Guard::None },
    { "mobileNetworkCode", [](Modem& m) { return !m.mobileNetworkCode(); }, Guard::None },
    { "mobileCountryCode", [](Modem& m) { return !m.mobileCountryCode(); }, Guard::None },
    { "locationAreaCode", [](Modem& m) { return !m.locationAreaCode(); }, Guard::None },
    { "cellId", [](Modem& m) { return !m.cellId(); }, Guard::None },
    { "connectionStatus", [](Modem& m) { return !m.connectionStatus(); }, Guard::None },
};
GUARD_TEST(ModemGuard, LeaModem, Modem, kGuarded);

} // namespace
