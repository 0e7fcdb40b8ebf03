#include "bridge/persistence/filedownloadslog.h"
#include "persistence/downloadstest.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <limits>
#include <QSignalSpy>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Lea = lea::persistence::FileDownloadsLog;
using FileDownloadsLog = bridge::persistence::FileDownloadsLog;
using Download = Lea::FileDownload;

const QString kTable = QStringLiteral("Connectivity_File_Download");
const QDateTime kMorning = QDateTime::fromMSecsSinceEpoch(1780000000123, Qt::UTC);

Download sample()
{
    Download d;
    d.uuid = QStringLiteral("download-1");
    d.fileUuid = QStringLiteral("file-1");
    d.fileUrl = QUrl(QStringLiteral("https://example.invalid/files/a b.bin?part=1"));
    d.fileSize = 123456789;
    d.fileType = Lea::FileType4;
    d.fileDestination = QFileInfo(QStringLiteral("/tmp/downloads/a.bin"));
    d.status = Lea::Downloading;
    d.source = Lea::Source1;
    d.consumedCredits = 7;
    d.creditSize = 4096;
    d.start = kMorning;
    d.end = kMorning.addSecs(60);
    d.chunkSize = 1024;
    d.chunksStates = { { 3, true }, { 1, false }, { 255, true } };
    return d;
}

auto fields(const Download& d)
{
    std::vector<std::pair<int, bool>> chunks;
    for (const Lea::ChunkState& chunk : d.chunksStates)
        chunks.emplace_back(chunk.count, chunk.set);
    return std::make_tuple(d.uuid, d.fileUuid, d.fileUrl, d.fileSize, d.fileType,
        d.fileDestination.absoluteFilePath(), d.status, d.source, d.consumedCredits, d.creditSize, d.start,
        d.end, d.chunkSize, chunks);
}

class FileDownloadsLogTest : public StoredRowsTest
{
protected:
    void SetUp() override
    {
        StoredRowsTest::SetUp();
        log = createAccessor<Lea, FileDownloadsLog>();
        ASSERT_TRUE(log);
    }

    /// Every stored download, whatever its state.
    Lea::FileDownloadsMap all() const
    {
        Lea::FileDownloadsMap rows;
        for (int type = Lea::FileType0; type <= Lea::FileType9; ++type) {
            for (int source = Lea::Source0; source <= Lea::Source2; ++source)
                rows.merge(log->getAllDownloadsForTypeAndSource(Lea::FileType(type), Lea::Source(source)));
        }
        return rows;
    }

    std::unique_ptr<FileDownloadsLog> log;
};

const GuardCase<FileDownloadsLog> kGuardCases[] = {
    { "create", [](FileDownloadsLog& l) { return l.create(sample()).value() > 0; }, Guard::None },
    { "save",
        [](FileDownloadsLog& l) {
            l.save(lea::FileDownloadId(9), sample());
            return true;
        },
        Guard::None },
    { "getDownloadsNewerThan", [](FileDownloadsLog& l) { return l.getDownloadsNewerThan(kMorning).empty(); },
        Guard::None },
    { "getNonFinishedDownloads", [](FileDownloadsLog& l) { return l.getNonFinishedDownloads().empty(); },
        Guard::None },
    { "getAllDownloadsForTypeAndSource",
        [](FileDownloadsLog& l) {
            return l.getAllDownloadsForTypeAndSource(Lea::FileType0, Lea::Source0).empty();
        },
        Guard::None },
};
GUARD_TEST(FileDownloadsLogGuard, Lea, FileDownloadsLog, kGuardCases);

TEST_F(FileDownloadsLogTest, ANewRowHasTheStoredLayoutAndAbsentFieldsReadBackAbsent)
{
    Download d = sample();
    d.uuid.reset();
    d.fileSize.reset();
    d.start.reset();
    d.end.reset();
    d.fileType = Lea::FileType0;
    d.chunksStates = { { 3, true }, { 1, false }, { 0, true } };
    const lea::FileDownloadId id = log->create(d);

    const QSqlRecord row = storedRow(kTable, id.value());
    ASSERT_FALSE(row.isEmpty());
    EXPECT_TRUE(row.value("uuid").isNull());
    EXPECT_EQ(row.value("file_size").toLongLong(), -1);
    EXPECT_EQ(row.value("file_type").toInt(), 6);
    EXPECT_EQ(row.value("start").toLongLong(), 0);
    EXPECT_EQ(row.value("end").toLongLong(), 0);
    EXPECT_EQ(row.value("chunks_states").toByteArray(), QByteArray("[3,-1,0]"));
    EXPECT_EQ(row.value("file_url").toString(), d.fileUrl.toString());
    EXPECT_EQ(row.value("file_destination").toString(), "/tmp/downloads/a.bin");

    const Lea::FileDownloadsMap rows = all();
    ASSERT_EQ(rows.count(id), 1u);
    d.chunksStates[2].set = false; // a count of 0 has no flag
    EXPECT_EQ(fields(rows.at(id)), fields(d));
}

TEST_F(FileDownloadsLogTest, WideValuesDatesAndHostileTextsRoundTripExactly)
{
    constexpr uint64_t max = std::numeric_limits<uint64_t>::max();
    std::vector<Download> downloads;
    const uint64_t wide[]
        = { 0, (uint64_t(1) << 53) + 1, uint64_t(1) << 63, (uint64_t(1) << 63) + 5, max - 1 };
    for (uint64_t value : wide) {
        Download d = sample();
        d.fileSize = value;
        d.consumedCredits = value;
        d.creditSize = max - value;
        d.chunkSize = value;
        downloads.push_back(d);
    }
    for (const QString& text : hostileTexts()) {
        Download d = sample();
        d.uuid = text;
        d.fileUuid = text;
        d.fileDestination = QFileInfo(QStringLiteral("/tmp/") + text.left(200));
        downloads.push_back(d);
    }
    Download before = sample();
    before.start = QDateTime::fromMSecsSinceEpoch(-86400000, Qt::UTC); // before the epoch
    before.end = QDateTime::fromMSecsSinceEpoch(1, Qt::UTC);
    downloads.push_back(before);

    std::vector<lea::FileDownloadId> ids;
    for (const Download& d : downloads)
        ids.push_back(log->create(d));
    const Lea::FileDownloadsMap rows = all();
    ASSERT_EQ(rows.size(), downloads.size());
    for (std::size_t k = 0; k < downloads.size(); ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(rows.count(ids[k]), 1u);
        EXPECT_EQ(fields(rows.at(ids[k])), fields(downloads[k]));
    }
    EXPECT_EQ(storedRowCount(QStringLiteral("Connectivity_Requests")), 0);
}

TEST_F(FileDownloadsLogTest, FileTypesAreStoredAsTheirCodesAndTheOlderCodeReadsAsTheFirstType)
{
    const std::pair<Lea::FileType, int> codes[] = { { Lea::FileType0, 6 }, { Lea::FileType1, 5 },
        { Lea::FileType2, 1 }, { Lea::FileType3, 2 }, { Lea::FileType4, 4 }, { Lea::FileType5, 7 },
        { Lea::FileType6, 8 }, { Lea::FileType7, 9 }, { Lea::FileType8, 10 }, { Lea::FileType9, 0 } };
    for (const auto& [type, code] : codes) {
        Download d = sample();
        d.fileType = type;
        const lea::FileDownloadId id = log->create(d);
        EXPECT_EQ(storedRow(kTable, id.value()).value("file_type").toInt(), code) << type;
        EXPECT_EQ(log->getAllDownloadsForTypeAndSource(type, Lea::Source1).count(id), 1u) << type;
    }
    const lea::FileDownloadId older = log->create(sample());
    storeValue(kTable, older.value(), "file_type", 3);
    // The listing of type 0 finds it too.
    const Lea::FileDownloadsMap firstType
        = log->getAllDownloadsForTypeAndSource(Lea::FileType0, Lea::Source1);
    ASSERT_EQ(firstType.count(older), 1u);
    EXPECT_EQ(firstType.at(older).fileType, Lea::FileType0);
    EXPECT_EQ(firstType.size(), 2u);
}

TEST_F(FileDownloadsLogTest, FinishedDownloadsAreLeftOutOfTheUnfinishedListing)
{
    std::map<Lea::Status, lea::FileDownloadId> ids;
    for (Lea::Status status : { Lea::Queued, Lea::Downloading, Lea::Completed, Lea::Failed }) {
        Download d = sample();
        d.status = status;
        ids[status] = log->create(d);
    }
    const Lea::FileDownloadsMap unfinished = log->getNonFinishedDownloads();
    ASSERT_EQ(unfinished.size(), 2u);
    EXPECT_EQ(unfinished.at(ids[Lea::Queued]).status, Lea::Queued);
    EXPECT_EQ(unfinished.at(ids[Lea::Downloading]).status, Lea::Downloading);
}

TEST_F(FileDownloadsLogTest, OnlyDownloadsThatEndedLaterAreNewer)
{
    const std::pair<nonstd::optional<QDateTime>, bool> ends[] = { { kMorning.addMSecs(-1), false },
        { kMorning, false }, { kMorning.addMSecs(1), true }, { nonstd::nullopt, false } };
    std::vector<lea::FileDownloadId> newer;
    for (const auto& [end, isNewer] : ends) {
        Download d = sample();
        d.end = end;
        const lea::FileDownloadId id = log->create(d);
        if (isNewer)
            newer.push_back(id);
    }
    const Lea::FileDownloadsMap rows = log->getDownloadsNewerThan(kMorning);
    ASSERT_EQ(rows.size(), newer.size());
    EXPECT_EQ(rows.begin()->first, newer.front());
}

TEST_F(FileDownloadsLogTest, SavedChunksAndCreditsPersistAndEveryInstanceHearsEachWriteOnce)
{
    const std::unique_ptr<FileDownloadsLog> other = createAccessor<Lea, FileDownloadsLog>();
    QSignalSpy mine(log.get(), &Lea::changed);
    QSignalSpy theirs(other.get(), &Lea::changed);

    Download d = sample();
    const lea::FileDownloadId id = log->create(d);
    EXPECT_EQ(mine.count(), 1);
    EXPECT_EQ(theirs.count(), 1);

    d.chunksStates = { { 4, true }, { 4, true }, { 2, false } };
    d.consumedCredits = 9000000000ull;
    d.status = Lea::Completed;
    other->save(id, d);
    EXPECT_EQ(mine.count(), 2);
    EXPECT_EQ(theirs.count(), 2);
    EXPECT_EQ(storedRow(kTable, id.value()).value("chunks_states").toByteArray(), QByteArray("[4,4,-2]"));
    EXPECT_EQ(storedRow(kTable, id.value()).value("consumed_credits").toLongLong(), 9000000000ll);
    EXPECT_EQ(fields(all().at(id)), fields(d));

    // An id without row: nothing is written, and that is no failure.
    other->save(lea::FileDownloadId(id.value() + 100), d);
    EXPECT_EQ(storedRowCount(kTable), 1);
    EXPECT_EQ(mine.count(), 3);
}

TEST_F(FileDownloadsLogTest, RefusedWritesThrowLogAndLeaveTheRowAndTheListenersAlone)
{
    const lea::FileDownloadId id = log->create(sample());
    QSignalSpy changed(log.get(), &Lea::changed);
    const struct
    {
        const char* refusal;
        std::function<void()> write;
        QString signature;
    } cases[] = {
        { "BEFORE INSERT ON Connectivity_File_Download", [&] { log->create(sample()); },
            "virtual lea::FileDownloadId bridge::persistence::FileDownloadsLog::create(const "
            "lea::persistence::FileDownloadsLog::FileDownload&)" },
        { "BEFORE UPDATE ON Connectivity_File_Download",
            [&] {
                Download d = sample();
                d.status = Lea::Failed;
                log->save(id, d);
            },
            "virtual void bridge::persistence::FileDownloadsLog::save(lea::FileDownloadId, const "
            "lea::persistence::FileDownloadsLog::FileDownload&)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        refuseWrites(c.refusal);
        clearLog();
        EXPECT_EQ(exceptionText<std::runtime_error>(c.write), "Failed to save download state");
        const QList<LogEntry> entries = logEntriesContaining(": Failed to save download state");
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].level, LogLevel::Error);
        EXPECT_EQ(entries[0].items.value(0), c.signature);
        EXPECT_EQ(entries[0].items.value(1), ": Failed to save download state");
        acceptWrites();
    }
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(storedRowCount(kTable), 1);
    EXPECT_EQ(fields(all().at(id)), fields(sample()));
}

TEST_F(FileDownloadsLogTest, ADroppedTableFailsWritesWithTheDocumentedTextAndListsNothing)
{
    log->create(sample());
    execute("DROP TABLE Connectivity_File_Download");
    EXPECT_EQ(
        exceptionText<std::runtime_error>([&] { log->create(sample()); }), "Failed to save download state");
    EXPECT_TRUE(log->getNonFinishedDownloads().empty());
}

TEST_F(FileDownloadsLogTest, DamagedRowsAreLoggedAndSkippedOrReadEmptyWhileTheOthersAreListed)
{
    const lea::FileDownloadId good = log->create(sample());
    const struct
    {
        const char* column;
        QVariant value;
        bool listed;
        const char* logged;
    } damages[] = {
        { "chunks_states", QByteArray("[3,-1"), true, "Failed to parse chunks description" },
        { "chunks_states", QByteArray("{\"a\":1}"), true, nullptr },
        { "file_type", 42, false, "Skipped an unreadable row" },
        { "status", QStringLiteral("done"), false, "Skipped an unreadable row" },
        { "source", qint64(1) << 40, false, "Skipped an unreadable row" },
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.column);
        const lea::FileDownloadId id = log->create(sample());
        storeValue(kTable, id.value(), damage.column, damage.value);
        clearLog();
        const Lea::FileDownloadsMap rows = log->getNonFinishedDownloads();
        EXPECT_EQ(rows.count(good), 1u);
        EXPECT_EQ(rows.count(id), damage.listed ? 1u : 0u);
        if (damage.listed) {
            EXPECT_TRUE(rows.at(id).chunksStates.empty());
        }
        const QList<LogEntry> entries = logEntries();
        ASSERT_EQ(entries.size(), damage.logged ? 1 : 0);
        if (damage.logged) {
            EXPECT_EQ(entries[0].items.value(1), damage.logged);
        }
        storeValue(kTable, id.value(), "status", 3);
    }
    storeValue(kTable, good.value(), "chunks_states", QByteArray("x"));
    clearLog();
    log->getNonFinishedDownloads();
    const QList<LogEntry> parse = logEntries();
    ASSERT_EQ(parse.size(), 1);
    EXPECT_EQ(parse[0].items.value(0),
        "static std::vector<lea::persistence::FileDownloadsLog::ChunkState> "
        "bridge::persistence::FileDownloadsLog::deserializeChunksStates(const QByteArray&)");
    EXPECT_EQ(parse[0].level, LogLevel::Warning);
    EXPECT_EQ(parse[0].modules, QStringList { "Global" });
}

TEST_F(FileDownloadsLogTest, UnconvertibleValuesThrowBeforeAnythingIsWritten)
{
    const std::function<void(Download&)> spoil[] = {
        [](Download& d) { d.status = Lea::Status(7); },
        [](Download& d) { d.source = Lea::Source(3); },
        [](Download& d) { d.fileType = Lea::FileType(10); },
    };
    for (const auto& s : spoil) {
        Download d = sample();
        s(d);
        EXPECT_THAT(exceptionText<std::invalid_argument>([&] { log->create(d); }),
            ::testing::StartsWith("Invalid external enum value "));
    }
    EXPECT_THROW(
        log->getAllDownloadsForTypeAndSource(Lea::FileType(-1), Lea::Source0), std::invalid_argument);
    EXPECT_EQ(storedRowCount(kTable), 0);
}

} // namespace
