#include "bridge/persistence/remoterequests.h"
#include "persistence/downloadstest.h"

#include <stdexcept>

namespace {

using Lea = lea::persistence::RemoteRequests;
using RemoteRequests = bridge::persistence::RemoteRequests;
using Request = Lea::RemoteRequest;

const QString kTable = QStringLiteral("Connectivity_Requests");

class RemoteRequestsTest : public StoredRowsTest
{
protected:
    void SetUp() override
    {
        StoredRowsTest::SetUp();
        requests = createAccessor<Lea, RemoteRequests>();
        ASSERT_TRUE(requests);
    }

    std::unique_ptr<RemoteRequests> requests;
};

const GuardCase<RemoteRequests> kGuardCases[] = {
    { "add",
        [](RemoteRequests& r) {
            return r.add({ "d", 0, "t" }).value() > 0;
        },
        Guard::None },
    { "update",
        [](RemoteRequests& r) {
            r.update(lea::RemoteRequestId(4), { "d", 1, "t" });
            return true;
        },
        Guard::None },
    { "getUnfinishedRequests", [](RemoteRequests& r) { return r.getUnfinishedRequests().empty(); },
        Guard::None },
};
GUARD_TEST(RemoteRequestsGuard, Lea, RemoteRequests, kGuardCases);

TEST_F(RemoteRequestsTest, OnlyStatusesOneAndTwoCountAsFinished)
{
    const lea::RemoteRequestId id = requests->add({ "delivery-7", 0, "reboot" });
    const std::pair<int32_t, bool> statuses[]
        = { { 0, true }, { 1, false }, { 2, false }, { 3, true }, { -1, true }, { INT32_MAX, true } };
    for (const auto& [status, unfinished] : statuses) {
        SCOPED_TRACE(status);
        requests->update(id, { "delivery-7", status, "reboot" });
        EXPECT_EQ(storedRow(kTable, id.value()).value("status").toInt(), status);
        const Lea::RemoteRequestsMap listed = requests->getUnfinishedRequests();
        ASSERT_EQ(listed.count(id), unfinished ? 1u : 0u);
        if (unfinished) {
            EXPECT_EQ(listed.at(id).status, status);
        }
    }
}

TEST_F(RemoteRequestsTest, TextsRoundTripUnchangedAndEmptyOnesStayEmpty)
{
    QStringList texts = hostileTexts();
    texts << QString();
    std::map<lea::RemoteRequestId, QString> ids;
    for (const QString& text : texts)
        ids[requests->add({ text, 0, text + QStringLiteral("!") })] = text;
    const Lea::RemoteRequestsMap listed = requests->getUnfinishedRequests();
    ASSERT_EQ(listed.size(), ids.size());
    for (const auto& [id, text] : ids) {
        EXPECT_EQ(listed.at(id).deliveryId, text);
        EXPECT_EQ(listed.at(id).type, text + QStringLiteral("!"));
        EXPECT_EQ(storedRow(kTable, id.value()).value("delivery_id").toString(), text);
    }
    EXPECT_EQ(storedRowCount(QStringLiteral("Connectivity_File_Download")), 0);
}

TEST_F(RemoteRequestsTest, RefusedOrImpossibleWritesThrowLogAndChangeNothing)
{
    const lea::RemoteRequestId id = requests->add({ "kept", 0, "type" });
    const struct
    {
        const char* refusal; ///< none: the table is dropped
        std::function<void()> write;
        const char* signature;
    } cases[] = {
        { "BEFORE INSERT ON Connectivity_Requests",
            [&] {
                requests->add({ "new", 0, "type" });
            },
            "virtual lea::RemoteRequestId bridge::persistence::RemoteRequests::add(const "
            "lea::persistence::RemoteRequests::RemoteRequest&)" },
        { "BEFORE UPDATE ON Connectivity_Requests",
            [&] {
                requests->update(id, { "changed", 2, "type" });
            },
            "virtual void bridge::persistence::RemoteRequests::update(lea::RemoteRequestId, const "
            "lea::persistence::RemoteRequests::RemoteRequest&)" },
        { nullptr,
            [&] {
                requests->add({ "new", 0, "type" });
            },
            "virtual lea::RemoteRequestId bridge::persistence::RemoteRequests::add(const "
            "lea::persistence::RemoteRequests::RemoteRequest&)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal ? c.refusal : "dropped table");
        if (c.refusal)
            refuseWrites(c.refusal);
        else
            execute("DROP TABLE Connectivity_Requests");
        clearLog();
        try {
            c.write();
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "Failed to save remote request");
        }
        const QList<LogEntry> entries = logEntriesContaining(": Failed to save remote request");
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].level, LogLevel::Error);
        EXPECT_EQ(entries[0].items, (QStringList { c.signature, ": Failed to save remote request" }));
        if (c.refusal) {
            acceptWrites();
            const Lea::RemoteRequestsMap listed = requests->getUnfinishedRequests();
            ASSERT_EQ(listed.size(), 1u);
            EXPECT_EQ(listed.at(id).deliveryId, "kept");
        }
    }
    EXPECT_TRUE(requests->getUnfinishedRequests().empty());
}

} // namespace
