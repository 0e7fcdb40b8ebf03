#include "bridge/persistence/objectdownloadslog.h"

#include "bridge/persistence/filetypeenumconverter.h"
#include "bridge/persistence/objectstatusenumconverter.h"
#include "bridge/persistence/objecttypeenumconverter.h"
#include "bridge/persistence/preparedinsert.h"
#include "bridge/persistence/sourceenumconverter.h"
#include "bridge/persistence/tablequery.h"
#include "bridge/persistence/tables.h"
#include "bridge/persistence/util.h"
#include "bridge/writerule.h"
#include "core/log/logformatter.h"

#include <cmath>
#include <exception>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlRecord>
#include <stdexcept>

namespace bridge {
namespace persistence {

namespace {

const char* const SaveFailure = ": Failed to save download state";
const QString FileKind = QStringLiteral("file");
const QString ObjectKind = QStringLiteral("object");

// SQLite takes a bounded number of values per statement; longer id lists are asked in parts.
constexpr std::size_t IdsPerQuery = 500;

/// A JSON number that is a 32-bit integer, or -1, which names no stored code.
int32_t jsonCode(const QJsonValue& value)
{
    const double number = value.toDouble(-1.0);
    if (std::trunc(number) != number || number < -2147483648.0 || number > 2147483647.0)
        return -1;
    return int32_t(number);
}

QJsonObject parseObject(const QByteArray& bytes, const char* caller)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError && !bytes.isEmpty())
        LogFormatter(LogLevel::Warning).log(Log::Global) << caller << "Failed to parse object data";
    return document.object();
}

/// Where each column is in a result. Found in one pass over the columns, so
/// that reading a row costs no look-up by name for each value.
struct Columns
{
    explicit Columns(const QSqlRecord& record)
    {
        const std::pair<const QString&, int&> wanted[]
            = { { tables::Id, id }, { tables::Status, status }, { tables::Source, source },
                  { tables::objects::ObjectUuid, objectUuid }, { tables::objects::ObjectType, objectType },
                  { tables::objects::Data, data }, { tables::objects::Files, files } };
        for (int column = record.count() - 1; column >= 0; --column) {
            const QString name = record.fieldName(column);
            for (const auto& [columnName, position] : wanted) {
                // Like QSqlRecord::indexOf(): the first of equal names, in any case.
                if (name.compare(columnName, Qt::CaseInsensitive) == 0)
                    position = column;
            }
        }
    }

    int id = -1, status = -1, source = -1, objectUuid = -1, objectType = -1, data = -1, files = -1;
};

} // namespace

SharedSignal ObjectDownloadsLog::SharedChanged;

ObjectDownloadsLog::ObjectDownloadsLog(QObject* parent)
    : lea::persistence::ObjectDownloadsLog(parent)
    , m_insert(std::make_unique<PreparedInsert>(tables::objects::Table))
{
    connect(&SharedChanged, &SharedSignal::signal, this, &lea::persistence::ObjectDownloadsLog::changed);
}

ObjectDownloadsLog::~ObjectDownloadsLog() = default;

void ObjectDownloadsLog::save(lea::ObjectDownloadId id, const ObjectDownload& download)
{
    const AbstractDatabase::Values values = updateMap(download);
    const bool stored = TableQuery(Q_FUNC_INFO, tables::objects::Table).update(values, id.value());
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database).stored(stored, SaveFailure))
        throw std::runtime_error("Failed to save download state");
    emit SharedChanged.signal();
}

lea::ObjectDownloadId ObjectDownloadsLog::create(const ObjectDownload& download)
{
    const AbstractDatabase::Values values = updateMap(download);
    const nonstd::optional<unsigned int> id = m_insert->insert(Q_FUNC_INFO, values);
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database).stored(bool(id), SaveFailure))
        throw std::runtime_error("Failed to save download state");
    emit SharedChanged.signal();
    return lea::ObjectDownloadId(*id);
}

ObjectDownloadsLog::ObjectDownloadsMap ObjectDownloadsLog::getNonFinishedDownloads() const
{
    AbstractDatabase::Conditions conditions;
    conditions.insert(tables::Status, int(DbStatus0));
    conditions.insert(tables::Status, int(DbStatus1));
    return select(Q_FUNC_INFO, conditions, AbstractDatabase::AnyEqual);
}

ObjectDownloadsLog::ObjectDownloadsMap ObjectDownloadsLog::getAllDownloadsForTypeAndSource(
    Type type, lea::persistence::FileDownloadsLog::Source source) const
{
    AbstractDatabase::Conditions conditions;
    conditions.insert(tables::Source, int(SourceEnumConverter::toInternalOrThrow(source)));
    return selectOfType(Q_FUNC_INFO, type, conditions);
}

ObjectDownloadsLog::ObjectDownloadsMap ObjectDownloadsLog::getSuccessfulDownloadsForTypeAndStringIdAndSource(
    Type type, const QString& uuid, lea::persistence::FileDownloadsLog::Source source) const
{
    AbstractDatabase::Conditions conditions;
    conditions.insert(tables::Status, int(DbStatus2));
    conditions.insert(tables::objects::ObjectUuid, uuid);
    conditions.insert(tables::Source, int(SourceEnumConverter::toInternalOrThrow(source)));
    return selectOfType(Q_FUNC_INFO, type, conditions);
}

ObjectDownloadsLog::ObjectDownloadsMap ObjectDownloadsLog::getDownloadsByIds(const IdsSet& ids) const
{
    ObjectDownloadsMap downloads;
    AbstractDatabase::Conditions conditions;
    for (auto it = ids.cbegin(); it != ids.cend();) {
        conditions.insert(tables::Id, it->value());
        ++it;
        if (std::size_t(conditions.size()) == IdsPerQuery || it == ids.cend()) {
            downloads.merge(select(Q_FUNC_INFO, conditions, AbstractDatabase::AnyEqual));
            conditions.clear();
        }
    }
    return downloads;
}

AbstractDatabase::Values ObjectDownloadsLog::updateMap(const ObjectDownload& download)
{
    const DbStatus status = ObjectStatusEnumConverter::toInternalOrThrow(download.status);
    const util::DbSource source = SourceEnumConverter::toInternalOrThrow(download.source);
    const DbType type = ObjectTypeEnumConverter::toInternalOrThrow(download.type);
    const QByteArray files = serializeConstituents(download.constituents);
    AbstractDatabase::Values values;
    values.insert(tables::Status, int(status));
    values.insert(tables::Source, int(source));
    values.insert(tables::objects::ObjectUuid, download.objectUuid);
    values.insert(tables::objects::ObjectType, int(type));
    values.insert(tables::objects::Data, QJsonDocument(download.data).toJson(QJsonDocument::Compact));
    values.insert(tables::objects::Files, files);
    return values;
}

QJsonObject ObjectDownloadsLog::serializeConstituentFile(const ConstituentFile& file)
{
    return QJsonObject {
        { QStringLiteral("type"), FileKind },
        { QStringLiteral("url"), file.url.toString() },
        { QStringLiteral("destination"), file.destination.absoluteFilePath() },
        { QStringLiteral("file-id"), file.fileId },
        { QStringLiteral("file-type"), int(FileTypeEnumConverter::toInternalOrThrow(file.fileType)) },
        { QStringLiteral("file-size"), util::formatJsonUint64Opt(file.fileSize) },
        { QStringLiteral("data"), file.data },
    };
}

QJsonObject ObjectDownloadsLog::serializeConstituentObject(const ConstituentObject& object)
{
    return QJsonObject {
        { QStringLiteral("type"), ObjectKind },
        { QStringLiteral("download"), util::formatJsonUint32(object.download) },
    };
}

QByteArray ObjectDownloadsLog::serializeConstituents(const Constituents& constituents)
{
    QJsonArray array;
    for (const ConstituentFile& file : constituents.files)
        array.append(serializeConstituentFile(file));
    for (const ConstituentObject& object : constituents.objects)
        array.append(serializeConstituentObject(object));
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

ObjectDownloadsLog::ConstituentFile ObjectDownloadsLog::deserializeConstituentFile(const QJsonObject& json)
{
    ConstituentFile file;
    file.url = QUrl(json.value(QStringLiteral("url")).toString(), QUrl::TolerantMode);
    file.destination = QFileInfo(json.value(QStringLiteral("destination")).toString());
    file.fileId = json.value(QStringLiteral("file-id")).toString();
    file.fileType = FileTypeEnumConverter::toExternalOrThrow(
        FileDownloadsLog::DbFileType(jsonCode(json.value(QStringLiteral("file-type")))));
    file.fileSize = util::extractJsonUint64Opt(json.value(QStringLiteral("file-size")));
    file.data = json.value(QStringLiteral("data")).toObject();
    return file;
}

ObjectDownloadsLog::ConstituentObject ObjectDownloadsLog::deserializeConstituentObject(
    const QJsonObject& json)
{
    return ConstituentObject { util::extractJsonUint32(json.value(QStringLiteral("download"))) };
}

ObjectDownloadsLog::Constituents ObjectDownloadsLog::deserializeConstituents(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << Q_FUNC_INFO << "Failed to parse files description";
        return {};
    }
    Constituents constituents;
    for (const QJsonValue& element : document.array()) {
        const QJsonObject json = element.toObject();
        if (json.value(QStringLiteral("type")).toString() == FileKind)
            constituents.files.push_back(deserializeConstituentFile(json));
        else
            constituents.objects.push_back(deserializeConstituentObject(json));
    }
    return constituents;
}

std::pair<lea::ObjectDownloadId, ObjectDownloadsLog::ObjectDownload> ObjectDownloadsLog::extractRow(
    VqSqlQuery& query)
{
    const Columns columns(query.record());
    const lea::ObjectDownloadId id(query.value(columns.id).toUInt());
    ObjectDownload download;
    download.status = ObjectStatusEnumConverter::toExternalOrThrow(
        util::extractQueryCode<DbStatus>(query.value(columns.status)));
    download.source = SourceEnumConverter::toExternalOrThrow(
        util::extractQueryCode<util::DbSource>(query.value(columns.source)));
    download.objectUuid = query.value(columns.objectUuid).toString();
    download.type = ObjectTypeEnumConverter::toExternalOrThrow(
        util::extractQueryCode<DbType>(query.value(columns.objectType)));
    download.data = parseObject(query.value(columns.data).toByteArray(), Q_FUNC_INFO);
    download.constituents = deserializeConstituents(query.value(columns.files).toByteArray());
    return { id, std::move(download) };
}

ObjectDownloadsLog::ObjectDownloadsMap ObjectDownloadsLog::extractFromResult(VqSqlQuery& query)
{
    ObjectDownloadsMap downloads;
    while (query.next()) {
        try {
            downloads.insert(extractRow(query));
        } catch (const std::exception& error) {
            LogFormatter(LogLevel::Warning).log(Log::Database)
                << Q_FUNC_INFO << "Skipped an unreadable row" << query.value(tables::Id).toString()
                << error.what();
        }
    }
    return downloads;
}

ObjectDownloadsLog::ObjectDownloadsMap ObjectDownloadsLog::selectOfType(
    const char* caller, Type type, const AbstractDatabase::Conditions& conditions) const
{
    ObjectTypeEnumConverter::toInternalOrThrow(type);
    ObjectDownloadsMap downloads;
    for (const int32_t code : util::storedCodes<ObjectTypeEnumConverter>(type)) {
        AbstractDatabase::Conditions typed = conditions;
        typed.insert(tables::objects::ObjectType, code);
        downloads.merge(select(caller, typed, AbstractDatabase::AllEqual));
    }
    return downloads;
}

ObjectDownloadsLog::ObjectDownloadsMap ObjectDownloadsLog::select(const char* caller,
    const AbstractDatabase::Conditions& conditions, AbstractDatabase::WhereRule rule) const
{
    TableQuery query(caller, tables::objects::Table);
    return extractFromResult(query.select(conditions, rule));
}

} // namespace persistence
} // namespace bridge
