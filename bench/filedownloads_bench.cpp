// The download logs on a table of 100 000 rows: listing through the accessors
// must cost little more than the same statement run directly with QSqlQuery
// and its rows made into records by hand, and a batch of inserts little more
// than a prepared insert loop that makes its values from the same record, both
// in one transaction.

#include "benchenvironment.h"
#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "lea/persistence/factory.h"
#include "support/accessors.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QJsonArray>
#include <QJsonDocument>
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

// The floors make records as directly as Qt allows: columns by position, stored codes
// cast, JSON parsed once. The enumerations' stored codes are not mapped, which
// costs a floor nothing that matters.

QJsonArray jsonArray(const QVariant& value)
{
    return QJsonDocument::fromJson(value.toByteArray()).array();
}

Objects::Constituents constituents(const QVariant& value)
{
    Objects::Constituents result;
    for (const QJsonValue& element : jsonArray(value)) {
        const QJsonObject json = element.toObject();
        if (json.value(QStringLiteral("type")).toString() == QLatin1String("file")) {
            const double size = json.value(QStringLiteral("file-size")).toDouble();
            result.files.push_back({ QUrl(json.value(QStringLiteral("url")).toString(), QUrl::TolerantMode),
                QFileInfo(json.value(QStringLiteral("destination")).toString()),
                json.value(QStringLiteral("file-id")).toString(),
                Files::FileType(json.value(QStringLiteral("file-type")).toInt()),
                size < 0 ? nonstd::optional<uint64_t>() : uint64_t(size),
                json.value(QStringLiteral("data")).toObject() });
        } else {
            result.objects.push_back({ uint32_t(json.value(QStringLiteral("download")).toDouble()) });
        }
    }
    return result;
}

Objects::ObjectDownloadsMap readObjects(QSqlQuery& query)
{
    Objects::ObjectDownloadsMap rows;
    const QSqlRecord record = query.record();
    const int id = record.indexOf(QStringLiteral("id"));
    const int status = record.indexOf(QStringLiteral("status"));
    const int source = record.indexOf(QStringLiteral("source"));
    const int uuid = record.indexOf(QStringLiteral("object_uuid"));
    const int type = record.indexOf(QStringLiteral("object_type"));
    const int data = record.indexOf(QStringLiteral("data"));
    const int files = record.indexOf(QStringLiteral("files"));
    while (query.next()) {
        Objects::ObjectDownload row;
        row.status = Objects::Status(query.value(status).toInt());
        row.source = Files::Source(query.value(source).toInt());
        row.objectUuid = query.value(uuid).toString();
        row.type = Objects::Type(query.value(type).toInt());
        row.data = QJsonDocument::fromJson(query.value(data).toByteArray()).object();
        row.constituents = constituents(query.value(files));
        rows.emplace(lea::ObjectDownloadId(query.value(id).toUInt()), std::move(row));
    }
    return rows;
}

nonstd::optional<QDateTime> storedTime(const QVariant& value)
{
    const qint64 milliseconds = value.toLongLong();
    if (milliseconds == 0)
        return nonstd::nullopt;
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

Files::FileDownloadsMap readFiles(QSqlQuery& query)
{
    Files::FileDownloadsMap rows;
    const QSqlRecord record = query.record();
    const int id = record.indexOf(QStringLiteral("id"));
    const int uuid = record.indexOf(QStringLiteral("uuid"));
    const int fileUuid = record.indexOf(QStringLiteral("file_uuid"));
    const int url = record.indexOf(QStringLiteral("file_url"));
    const int size = record.indexOf(QStringLiteral("file_size"));
    const int type = record.indexOf(QStringLiteral("file_type"));
    const int destination = record.indexOf(QStringLiteral("file_destination"));
    const int status = record.indexOf(QStringLiteral("status"));
    const int source = record.indexOf(QStringLiteral("source"));
    const int consumed = record.indexOf(QStringLiteral("consumed_credits"));
    const int credit = record.indexOf(QStringLiteral("credit_size"));
    const int start = record.indexOf(QStringLiteral("start"));
    const int end = record.indexOf(QStringLiteral("end"));
    const int chunk = record.indexOf(QStringLiteral("chunk_size"));
    const int chunks = record.indexOf(QStringLiteral("chunks_states"));
    while (query.next()) {
        Files::FileDownload row;
        const QString text = query.value(uuid).toString();
        if (!text.isEmpty())
            row.uuid = text;
        row.fileUuid = query.value(fileUuid).toString();
        row.fileUrl = QUrl(query.value(url).toString());
        const qint64 bytes = query.value(size).toLongLong();
        if (bytes != -1)
            row.fileSize = uint64_t(bytes);
        row.fileType = Files::FileType(query.value(type).toInt());
        row.fileDestination = QFileInfo(query.value(destination).toString());
        row.status = Files::Status(query.value(status).toInt());
        row.source = Files::Source(query.value(source).toInt());
        row.consumedCredits = uint64_t(query.value(consumed).toLongLong());
        row.creditSize = uint64_t(query.value(credit).toLongLong());
        row.start = storedTime(query.value(start));
        row.end = storedTime(query.value(end));
        row.chunkSize = uint64_t(query.value(chunk).toLongLong());
        for (const QJsonValue& state : jsonArray(query.value(chunks))) {
            const int code = state.toInt();
            row.chunksStates.push_back({ uint8_t(code < 0 ? -code : code), code > 0 });
        }
        rows.emplace(lea::FileDownloadId(query.value(id).toUInt()), std::move(row));
    }
    return rows;
}

qint64 milliseconds(const nonstd::optional<QDateTime>& time)
{
    return time ? time->toMSecsSinceEpoch() : 0;
}

/// Binds a record's values in the columns' order of the insert statement.
void bindFileDownload(QSqlQuery& query, const Files::FileDownload& download)
{
    QByteArray states = "[";
    for (const Files::ChunkState& state : download.chunksStates) {
        if (states.size() > 1)
            states += ',';
        states += QByteArray::number(state.set ? int(state.count) : -int(state.count));
    }
    states += ']';
    const QVariant values[]
        = { download.uuid ? QVariant(*download.uuid) : QVariant(QVariant::String), download.fileUuid,
              download.fileUrl.toString(), download.fileSize ? qint64(*download.fileSize) : qint64(-1), 6,
              download.fileDestination.absoluteFilePath(), int(download.status), int(download.source),
              qint64(download.consumedCredits), qint64(download.creditSize), milliseconds(download.start),
              milliseconds(download.end), qint64(download.chunkSize), states };
    for (const QVariant& value : values)
        query.addBindValue(value);
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
        benchmark::DoNotOptimize(readObjects(query));
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
        benchmark::DoNotOptimize(readFiles(query));
    }
}

void removeBatch()
{
    QSqlQuery query(database());
    query.prepare("DELETE FROM Connectivity_File_Download WHERE id > ?");
    query.addBindValue(kRows);
    query.exec();
}

Files::FileDownload batchRecord()
{
    Files::FileDownload download;
    download.fileUuid = QStringLiteral("file");
    download.fileUrl = QUrl(QStringLiteral("https://example.invalid/f/file"));
    download.fileSize = uint64_t(1) << 20;
    download.fileDestination = QFileInfo(QStringLiteral("/tmp/downloads/file"));
    download.creditSize = 4096;
    download.chunkSize = 65536;
    download.chunksStates.assign(16, Files::ChunkState { 4, true });
    return download;
}

void FileDownloads_insertBatch(benchmark::State& state)
{
    const Files::FileDownload download = batchRecord();
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
    const Files::FileDownload download = batchRecord();
    for (auto _ : state) {
        QSqlDatabase db = database();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(kFileInsert);
        for (int k = 0; k < kBatch; ++k) {
            bindFileDownload(query, download);
            query.exec();
            benchmark::DoNotOptimize(query.lastInsertId());
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
