#include "bridge/persistence/objectdownloadslog.h"
#include "persistence/downloadstest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

using Lea = lea::persistence::ObjectDownloadsLog;
using Files = lea::persistence::FileDownloadsLog;
using ObjectDownloadsLog = bridge::persistence::ObjectDownloadsLog;
using Download = Lea::ObjectDownload;

const QString kTable = QStringLiteral("Connectivity_Object_Download");

Download sample()
{
    Download d;
    d.status = Lea::InProgress;
    d.source = Files::Source2;
    d.objectUuid = QStringLiteral("object-1");
    d.type = Lea::Type3;
    d.data = QJsonObject { { "name", "menu" }, { "version", 3 } };
    Lea::ConstituentFile image { QUrl("https://example.invalid/a.png"), QFileInfo("/tmp/objects/a.png"),
        "file-a", Files::FileType5, uint64_t(2048), QJsonObject { { "checksum", "abc" } } };
    Lea::ConstituentFile video { QUrl("https://example.invalid/b.mp4"), QFileInfo("/tmp/objects/b.mp4"),
        "file-b", Files::FileType0, nonstd::nullopt, {} };
    d.constituents.files = { image, video };
    d.constituents.objects = { { 42 } };
    return d;
}

auto fields(const Download& d)
{
    std::vector<std::tuple<QUrl, QString, QString, Files::FileType, nonstd::optional<uint64_t>, QJsonObject>>
        files;
    for (const Lea::ConstituentFile& f : d.constituents.files)
        files.emplace_back(f.url, f.destination.absoluteFilePath(), f.fileId, f.fileType, f.fileSize, f.data);
    std::vector<uint32_t> objects;
    for (const Lea::ConstituentObject& o : d.constituents.objects)
        objects.push_back(o.download);
    return std::make_tuple(d.status, d.source, d.objectUuid, d.type, d.data, files, objects);
}

class ObjectDownloadsLogTest : public StoredRowsTest
{
protected:
    void SetUp() override
    {
        StoredRowsTest::SetUp();
        log = createAccessor<Lea, ObjectDownloadsLog>();
        ASSERT_TRUE(log);
    }

    Download read(lea::ObjectDownloadId id) const
    {
        const Lea::ObjectDownloadsMap rows = log->getDownloadsByIds({ id });
        EXPECT_EQ(rows.size(), 1u);
        return rows.empty() ? Download() : rows.begin()->second;
    }

    std::unique_ptr<ObjectDownloadsLog> log;
};

const GuardCase<ObjectDownloadsLog> kGuardCases[] = {
    { "save",
        [](ObjectDownloadsLog& l) {
            l.save(lea::ObjectDownloadId(3), sample());
            return true;
        },
        Guard::None },
    { "create", [](ObjectDownloadsLog& l) { return l.create(sample()).value() > 0; }, Guard::None },
    { "getNonFinishedDownloads", [](ObjectDownloadsLog& l) { return l.getNonFinishedDownloads().empty(); },
        Guard::None },
    { "getAllDownloadsForTypeAndSource",
        [](ObjectDownloadsLog& l) {
            return l.getAllDownloadsForTypeAndSource(Lea::Type0, Files::Source0).empty();
        },
        Guard::None },
    { "getSuccessfulDownloadsForTypeAndStringIdAndSource",
        [](ObjectDownloadsLog& l) {
            return l.getSuccessfulDownloadsForTypeAndStringIdAndSource(Lea::Type0, "x", Files::Source0)
                .empty();
        },
        Guard::None },
    { "getDownloadsByIds",
        [](ObjectDownloadsLog& l) { return l.getDownloadsByIds({ lea::ObjectDownloadId(1) }).empty(); },
        Guard::None },
};
GUARD_TEST(ObjectDownloadsLogGuard, Lea, ObjectDownloadsLog, kGuardCases);

TEST_F(ObjectDownloadsLogTest, TheDescriptionIsStoredAsAnArrayOfFilesThenObjectsAndReadsBackTheSame)
{
    Download d = sample();
    d.constituents.files[0].fileSize = (uint64_t(1) << 63) + 1;
    d.constituents.objects.push_back({ 4294967295u });
    const lea::ObjectDownloadId id = log->create(d);

    const QSqlRecord row = storedRow(kTable, id.value());
    EXPECT_EQ(row.value("object_type").toInt(), 6);
    EXPECT_EQ(row.value("status").toInt(), 1);
    EXPECT_EQ(row.value("source").toInt(), 2);
    EXPECT_EQ(QJsonDocument::fromJson(row.value("data").toByteArray()).object(), d.data);
    const QJsonArray files = QJsonDocument::fromJson(row.value("files").toByteArray()).array();
    ASSERT_EQ(files.size(), 4);
    EXPECT_EQ(files[0].toObject().value("type").toString(), "file");
    EXPECT_EQ(files[0].toObject().value("file-type").toInt(), 7);
    EXPECT_EQ(files[1].toObject().value("file-type").toInt(), 6);
    EXPECT_EQ(files[1].toObject().value("file-size").toDouble(), -1.0);
    EXPECT_EQ(files[1].toObject().value("destination").toString(), "/tmp/objects/b.mp4");
    EXPECT_EQ(files[2].toObject(), (QJsonObject { { "type", "object" }, { "download", 42 } }));
    EXPECT_EQ(files[3].toObject().value("download").toDouble(), 4294967295.0);

    EXPECT_EQ(fields(read(id)), fields(d));
}

TEST_F(ObjectDownloadsLogTest, TypesAreStoredAsTheirCodesAndOlderCodesReadAsTheSecondType)
{
    const std::pair<Lea::Type, int> codes[] = { { Lea::Type0, 3 }, { Lea::Type1, 8 }, { Lea::Type2, 5 },
        { Lea::Type3, 6 }, { Lea::Type4, 9 }, { Lea::Type5, 10 } };
    for (const auto& [type, code] : codes) {
        Download d = sample();
        d.type = type;
        const lea::ObjectDownloadId id = log->create(d);
        EXPECT_EQ(storedRow(kTable, id.value()).value("object_type").toInt(), code) << type;
        EXPECT_EQ(log->getAllDownloadsForTypeAndSource(type, Files::Source2).count(id), 1u) << type;
    }
    for (int older : { 1, 2, 4, 7 }) {
        const lea::ObjectDownloadId id = log->create(sample());
        storeValue(kTable, id.value(), "object_type", older);
        EXPECT_EQ(read(id).type, Lea::Type1) << older;
        EXPECT_EQ(log->getAllDownloadsForTypeAndSource(Lea::Type1, Files::Source2).count(id), 1u) << older;
        EXPECT_EQ(
            log->getSuccessfulDownloadsForTypeAndStringIdAndSource(Lea::Type1, "object-1", Files::Source2)
                .count(id),
            0u);
    }
}

TEST_F(ObjectDownloadsLogTest, QueriesSelectByStatusTypeUuidSourceAndIds)
{
    std::map<int, lea::ObjectDownloadId> byStatus;
    for (int status = Lea::Queued; status <= Lea::Status9; ++status) {
        Download d = sample();
        d.status = Lea::Status(status);
        byStatus[status] = log->create(d);
    }
    Download other = sample();
    other.status = Lea::Succeeded;
    other.objectUuid = "object-2";
    const lea::ObjectDownloadId otherId = log->create(other);
    other.objectUuid = "object-1";
    other.source = Files::Source0;
    log->create(other);

    const Lea::ObjectDownloadsMap unfinished = log->getNonFinishedDownloads();
    EXPECT_EQ(unfinished.size(), 2u);
    EXPECT_EQ(unfinished.count(byStatus[Lea::Queued]), 1u);
    EXPECT_EQ(unfinished.count(byStatus[Lea::InProgress]), 1u);

    const Lea::ObjectDownloadsMap successful
        = log->getSuccessfulDownloadsForTypeAndStringIdAndSource(Lea::Type3, "object-1", Files::Source2);
    ASSERT_EQ(successful.size(), 1u);
    EXPECT_EQ(successful.begin()->first, byStatus[Lea::Succeeded]);
    EXPECT_TRUE(log->getSuccessfulDownloadsForTypeAndStringIdAndSource(Lea::Type2, "object-1", Files::Source2)
                    .empty());

    EXPECT_TRUE(log->getDownloadsByIds({}).empty());
    const Lea::ObjectDownloadsMap some = log->getDownloadsByIds(
        { byStatus[Lea::Status4], otherId, lea::ObjectDownloadId(otherId.value() + 1000) });
    ASSERT_EQ(some.size(), 2u);
    EXPECT_EQ(some.at(otherId).objectUuid, "object-2");
}

TEST_F(ObjectDownloadsLogTest, ALongIdListIsAnsweredWhole)
{
    execute("BEGIN");
    for (int k = 0; k < 1200; ++k)
        execute(QStringLiteral(
            "INSERT INTO Connectivity_Object_Download (status, source, object_uuid, object_type, "
            "data, files) VALUES (0, 1, 'o%1', 3, '{}', '[]')")
                    .arg(k));
    execute("COMMIT");
    Lea::IdsSet ids;
    for (unsigned int id = 1; id <= 1300; ++id)
        ids.insert(lea::ObjectDownloadId(id));
    const Lea::ObjectDownloadsMap rows = log->getDownloadsByIds(ids);
    ASSERT_EQ(rows.size(), 1200u);
    EXPECT_EQ(rows.rbegin()->second.objectUuid, "o1199");
}

TEST_F(ObjectDownloadsLogTest, DamagedDescriptionsReadEmptyOrAsObjectsAndBadRowsAreSkipped)
{
    const lea::ObjectDownloadId good = log->create(sample());
    const struct
    {
        const char* column;
        QVariant value;
        bool listed;
        std::size_t files;
        std::size_t objects;
        const char* logged;
    } damages[] = {
        { "files", QByteArray("[{\"type\":\"file\""), true, 0, 0, "Failed to parse files description" },
        { "files", QByteArray("[{\"type\":\"folder\",\"download\":5},{\"type\":\"file\",\"file-type\":1}]"),
            true, 1, 1, nullptr },
        { "files", QByteArray("[{\"type\":\"file\",\"file-type\":11}]"), false, 0, 0,
            "Skipped an unreadable row" },
        { "data", QByteArray("[1,2]"), true, 2, 1, nullptr },
        { "data", QByteArray("{oops"), true, 2, 1, "Failed to parse object data" },
        { "object_type", 0, false, 0, 0, "Skipped an unreadable row" },
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.value.toString().toStdString());
        const lea::ObjectDownloadId id = log->create(sample());
        storeValue(kTable, id.value(), damage.column, damage.value);
        clearLog();
        const Lea::ObjectDownloadsMap rows = log->getNonFinishedDownloads();
        EXPECT_EQ(rows.count(good), 1u);
        ASSERT_EQ(rows.count(id), damage.listed ? 1u : 0u);
        if (damage.listed) {
            EXPECT_EQ(rows.at(id).constituents.files.size(), damage.files);
            EXPECT_EQ(rows.at(id).constituents.objects.size(), damage.objects);
        }
        const QList<LogEntry> entries = logEntries();
        ASSERT_EQ(entries.size(), damage.logged ? 1 : 0);
        if (damage.logged) {
            EXPECT_EQ(entries[0].items.value(1), damage.logged);
        }
        storeValue(kTable, id.value(), "status", 5);
    }
    storeValue(kTable, good.value(), "files", QByteArray("nope"));
    clearLog();
    EXPECT_TRUE(read(good).constituents.files.empty());
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].items.value(0),
        "static lea::persistence::ObjectDownloadsLog::Constituents "
        "bridge::persistence::ObjectDownloadsLog::deserializeConstituents(const QByteArray&)");
    EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);
}

TEST_F(ObjectDownloadsLogTest, WritesReachEveryInstanceOnceAndRefusedOrImpossibleOnesChangeNothing)
{
    const std::unique_ptr<ObjectDownloadsLog> other = createAccessor<Lea, ObjectDownloadsLog>();
    QSignalSpy mine(log.get(), &Lea::changed);
    QSignalSpy theirs(other.get(), &Lea::changed);
    const lea::ObjectDownloadId id = log->create(sample());
    Download done = sample();
    done.status = Lea::Succeeded;
    done.constituents.objects.clear();
    other->save(id, done);
    EXPECT_EQ(mine.count(), 2);
    EXPECT_EQ(theirs.count(), 2);
    EXPECT_EQ(fields(read(id)), fields(done));

    refuseWrites("BEFORE UPDATE ON Connectivity_Object_Download");
    EXPECT_THROW(log->save(id, sample()), std::runtime_error);
    acceptWrites();
    Download spoiled = sample();
    spoiled.constituents.files[1].fileType = Files::FileType(12);
    EXPECT_THROW(log->save(id, spoiled), std::invalid_argument);
    EXPECT_THROW(log->create(spoiled), std::invalid_argument);
    EXPECT_EQ(mine.count(), 2);
    EXPECT_EQ(storedRowCount(kTable), 1);
    EXPECT_EQ(fields(read(id)), fields(done));
    ASSERT_EQ(logEntriesContaining(": Failed to save download state").size(), 1);
}

} // namespace
