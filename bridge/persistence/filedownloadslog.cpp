#include "bridge/persistence/filedownloadslog.h"

#include "bridge/persistence/filestatusenumconverter.h"
#include "bridge/persistence/filetypeenumconverter.h"
#include "bridge/persistence/preparedinsert.h"
#include "bridge/persistence/sourceenumconverter.h"
#include "bridge/persistence/tablequery.h"
#include "bridge/persistence/tables.h"
#include "bridge/persistence/util.h"
#include "bridge/writerule.h"
#include "core/log/logformatter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <iterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlRecord>
#include <stdexcept>

namespace bridge {
namespace persistence {

namespace {

const char* const SaveFailure = ": Failed to save download state";

/// A chunk state's JSON integer: the count, negated while the flag is clear.
int chunkCode(const lea::persistence::FileDownloadsLog::ChunkState& state)
{
    return state.set ? int(state.count) : -int(state.count);
}

/// Where each column is in a result, looked up once per result.
struct Columns
{
    explicit Columns(const QSqlRecord& record)
        : id(record.indexOf(tables::Id))
        , uuid(record.indexOf(tables::files::Uuid))
        , fileUuid(record.indexOf(tables::files::FileUuid))
        , fileUrl(record.indexOf(tables::files::FileUrl))
        , fileSize(record.indexOf(tables::files::FileSize))
        , fileType(record.indexOf(tables::files::FileType))
        , fileDestination(record.indexOf(tables::files::FileDestination))
        , status(record.indexOf(tables::Status))
        , source(record.indexOf(tables::Source))
        , consumedCredits(record.indexOf(tables::files::ConsumedCredits))
        , creditSize(record.indexOf(tables::files::CreditSize))
        , start(record.indexOf(tables::files::Start))
        , end(record.indexOf(tables::files::End))
        , chunkSize(record.indexOf(tables::files::ChunkSize))
        , chunksStates(record.indexOf(tables::files::ChunksStates))
    {
    }

    int id, uuid, fileUuid, fileUrl, fileSize, fileType, fileDestination, status, source, consumedCredits,
        creditSize, start, end, chunkSize, chunksStates;
};

lea::persistence::FileDownloadsLog::FileDownload readRow(const VqSqlQuery& query, const Columns& columns)
{
    lea::persistence::FileDownloadsLog::FileDownload download;
    download.uuid = util::extractQueryStringOpt(query.value(columns.uuid));
    download.fileUuid = query.value(columns.fileUuid).toString();
    download.fileUrl = QUrl(query.value(columns.fileUrl).toString());
    download.fileSize = util::extractQueryUint64Opt(query.value(columns.fileSize));
    download.fileType = FileTypeEnumConverter::toExternalOrThrow(
        util::extractQueryCode<FileDownloadsLog::DbFileType>(query.value(columns.fileType)));
    download.fileDestination = QFileInfo(query.value(columns.fileDestination).toString());
    download.status = FileStatusEnumConverter::toExternalOrThrow(
        util::extractQueryCode<FileDownloadsLog::DbStatus>(query.value(columns.status)));
    download.source = SourceEnumConverter::toExternalOrThrow(
        util::extractQueryCode<util::DbSource>(query.value(columns.source)));
    download.consumedCredits = util::extractQueryUint64(query.value(columns.consumedCredits));
    download.creditSize = util::extractQueryUint64(query.value(columns.creditSize));
    download.start = util::extractQueryDateTimeOpt(query.value(columns.start));
    download.end = util::extractQueryDateTimeOpt(query.value(columns.end));
    download.chunkSize = util::extractQueryUint64(query.value(columns.chunkSize));
    download.chunksStates
        = FileDownloadsLog::deserializeChunksStates(query.value(columns.chunksStates).toByteArray());
    return download;
}

} // namespace

SharedSignal FileDownloadsLog::SharedChanged;

FileDownloadsLog::FileDownloadsLog(QObject* parent)
    : lea::persistence::FileDownloadsLog(parent)
    , m_insert(std::make_unique<PreparedInsert>(tables::files::Table))
{
    connect(&SharedChanged, &SharedSignal::signal, this, &lea::persistence::FileDownloadsLog::changed);
}

FileDownloadsLog::~FileDownloadsLog() = default;

lea::FileDownloadId FileDownloadsLog::create(const FileDownload& download)
{
    const AbstractDatabase::Values values = updateMap(download);
    const nonstd::optional<unsigned int> id = m_insert->insert(Q_FUNC_INFO, values);
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database).stored(bool(id), SaveFailure))
        throw std::runtime_error("Failed to save download state");
    emit SharedChanged.signal();
    return lea::FileDownloadId(*id);
}

void FileDownloadsLog::save(lea::FileDownloadId id, const FileDownload& download)
{
    const AbstractDatabase::Values values = updateMap(download);
    const bool stored = TableQuery(Q_FUNC_INFO, tables::files::Table).update(values, id.value());
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database).stored(stored, SaveFailure))
        throw std::runtime_error("Failed to save download state");
    emit SharedChanged.signal();
}

FileDownloadsLog::FileDownloadsMap FileDownloadsLog::getDownloadsNewerThan(QDateTime time) const
{
    AbstractDatabase::Conditions conditions;
    conditions.insert(tables::files::End, time.isValid() ? time.toMSecsSinceEpoch() : qint64(0));
    return select(Q_FUNC_INFO, conditions, AbstractDatabase::Greater);
}

FileDownloadsLog::FileDownloadsMap FileDownloadsLog::getNonFinishedDownloads() const
{
    AbstractDatabase::Conditions conditions;
    conditions.insert(tables::Status, int(DbStatus3));
    conditions.insert(tables::Status, int(DbStatus2));
    return select(Q_FUNC_INFO, conditions, AbstractDatabase::NoneEqual);
}

FileDownloadsLog::FileDownloadsMap FileDownloadsLog::getAllDownloadsForTypeAndSource(
    FileType type, Source source) const
{
    FileTypeEnumConverter::toInternalOrThrow(type);
    const util::DbSource dbSource = SourceEnumConverter::toInternalOrThrow(source);
    FileDownloadsMap downloads;
    for (const int32_t code : util::storedCodes<FileTypeEnumConverter>(type)) {
        AbstractDatabase::Conditions conditions;
        conditions.insert(tables::files::FileType, code);
        conditions.insert(tables::Source, int(dbSource));
        downloads.merge(select(Q_FUNC_INFO, conditions, AbstractDatabase::AllEqual));
    }
    return downloads;
}

AbstractDatabase::Values FileDownloadsLog::updateMap(const FileDownload& download)
{
    const DbStatus status = FileStatusEnumConverter::toInternalOrThrow(download.status);
    const util::DbSource source = SourceEnumConverter::toInternalOrThrow(download.source);
    const DbFileType fileType = FileTypeEnumConverter::toInternalOrThrow(download.fileType);
    AbstractDatabase::Values values;
    values.insert(tables::files::Uuid, util::formatQueryStringOpt(download.uuid));
    values.insert(tables::files::FileUuid, download.fileUuid);
    values.insert(tables::files::FileUrl, download.fileUrl.toString());
    values.insert(tables::files::FileSize, util::formatQueryUint64Opt(download.fileSize));
    values.insert(tables::files::FileType, int(fileType));
    values.insert(tables::files::FileDestination, download.fileDestination.absoluteFilePath());
    values.insert(tables::Status, int(status));
    values.insert(tables::Source, int(source));
    values.insert(tables::files::ConsumedCredits, util::formatQueryUint64(download.consumedCredits));
    values.insert(tables::files::CreditSize, util::formatQueryUint64(download.creditSize));
    values.insert(tables::files::Start, util::formatQueryDateTimeOpt(download.start));
    values.insert(tables::files::End, util::formatQueryDateTimeOpt(download.end));
    values.insert(tables::files::ChunkSize, util::formatQueryUint64(download.chunkSize));
    values.insert(tables::files::ChunksStates, serializeChunksStates(download.chunksStates));
    return values;
}

QJsonValue FileDownloadsLog::serializeChunkState(const ChunkState& state)
{
    return QJsonValue(chunkCode(state));
}

QByteArray FileDownloadsLog::serializeChunksStates(const std::vector<ChunkState>& states)
{
    // Every row written carries this array: the compact JSON text is written
    // directly rather than built through a QJsonArray.
    QByteArray text;
    text.reserve(int(states.size()) * 5 + 2);
    text += '[';
    for (const ChunkState& state : states) {
        if (text.size() > 1)
            text += ',';
        char digits[8];
        const std::to_chars_result end
            = std::to_chars(std::begin(digits), std::end(digits), chunkCode(state));
        text.append(digits, int(end.ptr - digits));
    }
    text += ']';
    return text;
}

std::vector<FileDownloadsLog::ChunkState> FileDownloadsLog::deserializeChunksStates(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << Q_FUNC_INFO << "Failed to parse chunks description";
        return {};
    }
    std::vector<ChunkState> states;
    const QJsonArray array = document.array();
    states.reserve(std::size_t(array.size()));
    for (const QJsonValue& value : array) {
        // A count beyond 8 bits cannot be ours: it is kept at the largest count, not wrapped.
        const double number = value.isDouble() ? std::trunc(value.toDouble()) : 0.0;
        const double count = std::min(std::fabs(number), 255.0);
        states.push_back(ChunkState { uint8_t(count), number > 0.0 });
    }
    return states;
}

FileDownloadsLog::FileDownloadsMap FileDownloadsLog::extractFromResult(VqSqlQuery& query)
{
    FileDownloadsMap downloads;
    const Columns columns(query.record());
    while (query.next()) {
        const QVariant id = query.value(columns.id);
        try {
            FileDownload download = readRow(query, columns);
            downloads.emplace(lea::FileDownloadId(id.toUInt()), std::move(download));
        } catch (const std::exception& error) {
            LogFormatter(LogLevel::Warning).log(Log::Database)
                << Q_FUNC_INFO << "Skipped an unreadable row" << id.toString() << error.what();
        }
    }
    return downloads;
}

FileDownloadsLog::FileDownloadsMap FileDownloadsLog::select(const char* caller,
    const AbstractDatabase::Conditions& conditions, AbstractDatabase::WhereRule rule) const
{
    TableQuery query(caller, tables::files::Table);
    return extractFromResult(query.select(conditions, rule));
}

} // namespace persistence
} // namespace bridge
