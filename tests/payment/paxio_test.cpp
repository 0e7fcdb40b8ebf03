#include "bridge/payment/paxio.h"
#include "bridge/payment/paxiofiletypeenumconverter.h"
#include "core/coreenvironment.h"
#include "core/payment/payment.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <QSignalSpy>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using LeaPaxio = lea::payment::Paxio;
using Paxio = bridge::payment::Paxio;
using HiManager = payment::hi::HiManager;
using Preselection = std::tuple<qint32, quint16, quint16>;

HiManager& hi()
{
    return *gCoreEnv->payment()->hiManager();
}

const GuardCase<Paxio> kGuards[] = {
    { "isExecutiveAlignmentPending", [](Paxio& p) { return !p.isExecutiveAlignmentPending(); }, Guard::None },
    { "isFileTransferInProgress", [](Paxio& p) { return !p.isFileTransferInProgress(); }, Guard::None },
    { "fileToDevice", [](Paxio& p) { return p.fileToDevice(LeaPaxio::Audit, "x"), true; }, Guard::None },
};
GUARD_TEST(PaxioGuard, LeaPaxio, Paxio, kGuards);

class PaxioTest : public SettingsAccessorTest<LeaPaxio, Paxio>
{
protected:
    void SetUp() override
    {
        SettingsAccessorTest::SetUp();
        connect();
    }
    void connect()
    {
        QObject::connect(accessor.get(), &LeaPaxio::remoteSelection, accessor.get(),
            [this](lea::connectivity::RemoteSelection& s) { selections.push_back(s); });
    }
    std::vector<lea::connectivity::RemoteSelection> selections;
};

struct PreselectionCase
{
    const char* name;
    QMap<quint16, quint16> map;
    std::vector<Preselection> expected;
};

class PaxioPreselections : public PaxioTest, public ::testing::WithParamInterface<PreselectionCase>
{
};

TEST_P(PaxioPreselections, BecomeGroupOptionAndValueInKeyOrder)
{
    hi().selectRemotely({ 12, GetParam().map });
    ASSERT_EQ(selections.size(), 1u);
    EXPECT_EQ(selections[0].itemNumber, 12);
    std::vector<Preselection> got;
    for (const auto& p : selections[0].preselections)
        got.emplace_back(p.group, p.option, p.value);
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, PaxioPreselections,
    ::testing::Values(PreselectionCase { "GroupAndOption", { { 0x0013, 7 } }, { { 3, 1, 7 } } },
        PreselectionCase { "UnusedBitsDropped", { { 0x000C, 9 } }, { { 0, 0, 9 } } },
        PreselectionCase { "AscendingKeys", { { 5, 50 }, { 2, 20 } }, { { 2, 0, 20 }, { 1, 0, 50 } } },
        PreselectionCase { "HighestKey", { { 0xFFFF, 0xFFFF } }, { { 3, 0x0FFF, 0xFFFF } } },
        PreselectionCase { "None", {}, {} }),
    caseName<PreselectionCase>);

TEST_F(PaxioTest, ASelectionWithANegativeItemNumberIsLoggedAndDropped)
{
    hi().selectRemotely({ -1, { { 1, 1 } } });
    EXPECT_TRUE(selections.empty());
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);
    EXPECT_EQ(logEntries()[0].modules, QStringList { "Payment" });
    EXPECT_EQ(logEntries()[0].items.mid(1), (QStringList { "Invalid product item number", "-1" }));
}

TEST_F(PaxioTest, FilesTravelBothWaysAndUnknownTypesAreRefused)
{
    accessor->fileToDevice(LeaPaxio::Firmware, "fw");
    EXPECT_THROW(accessor->fileToDevice(LeaPaxio::FileType(3), "bad"), std::invalid_argument);
    ASSERT_EQ(hi().sentFiles().size(), 1);
    EXPECT_EQ(hi().sentFiles()[0], qMakePair(HiManager::Firmware, QByteArray("fw")));

    std::vector<std::pair<LeaPaxio::FileType, QByteArray>> received, sent;
    QObject::connect(accessor.get(), &LeaPaxio::fileFromDevice, accessor.get(),
        [&](LeaPaxio::FileType type, const QByteArray& data) { received.emplace_back(type, data); });
    QObject::connect(accessor.get(), &LeaPaxio::fileSentToDevice, accessor.get(),
        [&](LeaPaxio::FileType type, const QByteArray& data) { sent.emplace_back(type, data); });
    hi().receiveFile(HiManager::Audit, "audit");
    hi().confirmFileSent(HiManager::Configuration, "cfg");
    using Files = std::vector<std::pair<LeaPaxio::FileType, QByteArray>>;
    EXPECT_EQ(received, (Files { { LeaPaxio::Audit, "audit" } }));
    EXPECT_EQ(sent, (Files { { LeaPaxio::Configuration, "cfg" } }));

    // A type the interface does not know leaves the slot logged, not thrown.
    EXPECT_NO_THROW(hi().receiveFile(HiManager::FileType(7), "?"));
    EXPECT_NO_THROW(hi().confirmFileSent(HiManager::FileType(-1), "?"));
    EXPECT_EQ(received.size() + sent.size(), 2u);
    const QList<LogEntry> unknown = logEntriesContaining("Unknown file type");
    ASSERT_EQ(unknown.size(), 2);
    EXPECT_EQ(unknown[0].items.value(2), "7");
    EXPECT_EQ(unknown[1].items.value(2), "-1");
}

TEST_F(PaxioTest, TransferStateFollowsTheHostInterfaceAndNotifiesOnlyChanges)
{
    QSignalSpy transfer(accessor.get(), &LeaPaxio::fileTransferInProgressChanged);
    const std::tuple<int, bool, int> steps[] = {
        { 1, false, 0 },
        { 3, true, 1 },
        { 2, true, 1 },
        { 0, false, 2 },
        { 2, true, 3 },
        { 4, false, 4 },
    };
    for (const auto& [state, inProgress, notifications] : steps) {
        hi().setState(state);
        EXPECT_EQ(accessor->isFileTransferInProgress(), inProgress) << state;
        EXPECT_EQ(transfer.count(), notifications) << state;
    }
    // A new accessor reads the state it starts in.
    hi().setState(3);
    EXPECT_TRUE((createAccessor<LeaPaxio, Paxio>()->isFileTransferInProgress()));

    QSignalSpy alignment(accessor.get(), &LeaPaxio::executiveAlignmentPendingChanged);
    hi().setExecutiveAlignmentPending(true);
    EXPECT_EQ(alignment.count(), 1);
    EXPECT_TRUE(accessor->isExecutiveAlignmentPending());
}

} // namespace
