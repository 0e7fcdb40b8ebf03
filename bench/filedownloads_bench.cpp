// The download logs on a table of 100 000 rows: listing through the accessors
// must cost little more than the same statement run directly with QSqlQuery
// and its values read, and a batch of inserts little more than a prepared
// insert loop, both in one transaction.

#include "benchenvironment.h"
#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "lea/persistence/factory.h"
#include "support/accessors.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

using Files = lea::persistence::FileDownloadsLog;
using Objects = lea::persistence::ObjectDownloadsLog;

constexpr int kRows = 100000;
constexpr int kBatch = 10000;
constexpr int kIdStep = kRows / 100;

const char* const kFileInsert
    = "INSERT INTO Connectivity_File_Download (uuid, file_uuid, file_url, file_size, "
      "file_type, file_destination, status, source, consumed_credits, credit_size, "
      "start, \"end\", chunk_size, chunks_states) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
const QByteArray kChunks = "[4,4,4,4,4,4,4,4,-2,0,0,0,0,0,0,0]";
const QByteArray kConstituents
    = "[{\"type\":\"file\",\"url\":\"https://example.invalid/a.png\",\"destination\":\"/tmp/a.png\","
      "\"file-id\":\"a\",\"file-type\":7,\"file-size\":2048,\"data\":{}},"
      "{\"type\":\"file\",\"url\":\"https://example.invalid/b.png\",\"destination\":\"/tmp/b.png\","
      "\"file-id\":\"b\",\"file-type\":6,\"file-size\":-1,\"data\":{}},{\"type\":\"object\",\"download\":7}]";

std::unique_ptr<Files> gFiles;
std::unique_ptr<Objects> gObjects;

QSqlDatabase database()
{
    return gCoreEnv->configurationGroup()->database()->database();
}

// One row in a hundred is unfinished.
int fileStatus(int k)
{
    return k % 100 == 0 ? k % 2 : 2 + k % 2;
}

void bindFileRow(QSqlQuery& query, int k)
{
    const QString name = QString::number(k);
    const QVariant values[] = { name, name, QStringLiteral("https://example.invalid/f/") + name,
        qint64(1) << 20, 6, QStringLiteral("/tmp/downloads/") + name, fileStatus(k), k % 3, qint64(k),
        qint64(4096), qint64(1780000000000) + k, qint64(1780000060000) + k, qint64(65536), kChunks };
    for (const QVariant& value : values)
        query.addBindValue(value);
}

void fill()
{
    QSqlDatabase db = database();
    db.transaction();
    QSqlQuery files(db);
    files.prepare(kFileInsert);
    QSqlQuery objects(db);
    objects.prepare(
        "INSERT INTO Connectivity_Object_Download (status, source, object_uuid, object_type, data, "
        "files) VALUES (?, ?, ?, ?, ?, ?)");
    for (int k = 0; k < kRows; ++k) {
        bindFileRow(files, k);
        files.exec();
        for (const QVariant& value : { QVariant(fileStatus(k)), QVariant(k % 3), QVariant(QString::number(k)),
                 QVariant(3), QVariant(QByteArray("{\"name\":\"menu\"}")), QVariant(kConstituents) })
            objects.addBindValue(value);
        objects.exec();
    }
    db.commit();
}

/// Reads every column of every row, as a caller of the statement would at least.
int readAll(QSqlQuery& query)
{
    int rows = 0;
    const int columns = query.record().count();
    while (query.next()) {
        for (int c = 0; c < columns; ++c)
            benchmark::DoNotOptimize(query.value(c));
        ++rows;
    }
    return rows;
}

Objects::IdsSet requestedIds()
{
    Objects::IdsSet ids;
    for (unsigned int id = 1; id <= unsigned(kRows); id += kIdStep)
        ids.insert(lea::ObjectDownloadId(id));
    return ids;
}

void ObjectDownloads_byIds(benchmark::State& state)
{
    const Objects::IdsSet ids = requestedIds();
    for (auto _ : state)
        benchmark::DoNotOptimize(gObjects->getDownloadsByIds(ids));
}

void ObjectDownloads_byIds_floor(benchmark::State& state)
{
    const Objects::IdsSet ids = requestedIds();
    QStringList terms;
    for (std::size_t k = 0; k < ids.size(); ++k)
        terms << QStringLiteral("\"id\" = ?");
    const QString statement
        = QStringLiteral("SELECT * FROM \"Connectivity_Object_Download\" WHERE ") + terms.join(" OR ");
    for (auto _ : state) {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        query.prepare(statement);
        for (const lea::ObjectDownloadId id : ids)
            query.addBindValue(id.value());
        query.exec();
        benchmark::DoNotOptimize(readAll(query));
    }
}

void FileDownloads_nonFinished(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gFiles->getNonFinishedDownloads());
}

void FileDownloads_nonFinished_floor(benchmark::State& state)
{
    for (auto _ : state) {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        query.prepare(
            "SELECT * FROM \"Connectivity_File_Download\" WHERE \"status\" <> ? AND \"status\" <> ?");
        query.addBindValue(3);
        query.addBindValue(2);
        query.exec();
        benchmark::DoNotOptimize(readAll(query));
    }
}

void removeBatch()
{
    QSqlQuery query(database());
    query.prepare("DELETE FROM Connectivity_File_Download WHERE id > ?");
    query.addBindValue(kRows);
    query.exec();
}

void FileDownloads_insertBatch(benchmark::State& state)
{
    Files::FileDownload download;
    download.fileUuid = QStringLiteral("file");
    download.fileUrl = QUrl(QStringLiteral("https://example.invalid/f/file"));
    download.fileSize = uint64_t(1) << 20;
    download.fileDestination = QFileInfo(QStringLiteral("/tmp/downloads/file"));
    download.creditSize = 4096;
    download.chunkSize = 65536;
    download.chunksStates.assign(16, Files::ChunkState { 4, true });
    for (auto _ : state) {
        QSqlDatabase db = database();
        db.transaction();
        for (int k = 0; k < kBatch; ++k)
            benchmark::DoNotOptimize(gFiles->create(download));
        db.commit();
        state.PauseTiming();
        removeBatch();
        state.ResumeTiming();
    }
}

void FileDownloads_insertBatch_floor(benchmark::State& state)
{
    for (auto _ : state) {
        QSqlDatabase db = database();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(kFileInsert);
        for (int k = 0; k < kBatch; ++k) {
            bindFileRow(query, k);
            query.exec();
        }
        db.commit();
        state.PauseTiming();
        removeBatch();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(ObjectDownloads_byIds)->Unit(benchmark::kMicrosecond);
BENCHMARK(ObjectDownloads_byIds_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(FileDownloads_nonFinished)->Unit(benchmark::kMicrosecond);
BENCHMARK(FileDownloads_nonFinished_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(FileDownloads_insertBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(FileDownloads_insertBatch_floor)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[])
{
    BenchEnvironment environment(argc, argv);
    fill();
    gFiles = createAccessor<Files>();
    gObjects = createAccessor<Objects>();
    const int status = environment.run(argc, argv);
    gFiles.reset();
    gObjects.reset();
    return status;
}
