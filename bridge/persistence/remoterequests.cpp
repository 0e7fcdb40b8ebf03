#include "bridge/persistence/remoterequests.h"

#include "bridge/persistence/preparedinsert.h"
#include "bridge/persistence/tablequery.h"
#include "bridge/persistence/tables.h"
#include "bridge/writerule.h"
#include "core/log/logformatter.h"

#include <QSqlRecord>
#include <stdexcept>

namespace bridge {
namespace persistence {

namespace {

const char* const SaveFailure = ": Failed to save remote request";

} // namespace

RemoteRequests::RemoteRequests(QObject* parent)
    : lea::persistence::RemoteRequests(parent)
    , m_insert(std::make_unique<PreparedInsert>(tables::requests::Table))
{
}

RemoteRequests::~RemoteRequests() = default;

lea::RemoteRequestId RemoteRequests::add(const RemoteRequest& request)
{
    const nonstd::optional<unsigned int> id = m_insert->insert(Q_FUNC_INFO, updateMap(request));
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database).stored(bool(id), SaveFailure))
        throw std::runtime_error("Failed to save remote request");
    return lea::RemoteRequestId(*id);
}

void RemoteRequests::update(lea::RemoteRequestId id, const RemoteRequest& request)
{
    const bool stored
        = TableQuery(Q_FUNC_INFO, tables::requests::Table).update(updateMap(request), id.value());
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database).stored(stored, SaveFailure))
        throw std::runtime_error("Failed to save remote request");
}

RemoteRequests::RemoteRequestsMap RemoteRequests::getUnfinishedRequests() const
{
    AbstractDatabase::Conditions conditions;
    conditions.insert(tables::Status, 2);
    conditions.insert(tables::Status, 1);
    TableQuery query(Q_FUNC_INFO, tables::requests::Table);
    return extractFromResult(query.select(conditions, AbstractDatabase::NoneEqual));
}

AbstractDatabase::Values RemoteRequests::updateMap(const RemoteRequest& request)
{
    AbstractDatabase::Values values;
    values.insert(tables::requests::DeliveryId, request.deliveryId);
    values.insert(tables::Status, request.status);
    values.insert(tables::requests::Type, request.type);
    return values;
}

RemoteRequests::RemoteRequestsMap RemoteRequests::extractFromResult(VqSqlQuery& query)
{
    RemoteRequestsMap requests;
    const QSqlRecord record = query.record();
    const int idColumn = record.indexOf(tables::Id);
    const int deliveryIdColumn = record.indexOf(tables::requests::DeliveryId);
    const int statusColumn = record.indexOf(tables::Status);
    const int typeColumn = record.indexOf(tables::requests::Type);
    while (query.next()) {
        bool idOk = false;
        bool statusOk = false;
        const unsigned int id = query.value(idColumn).toUInt(&idOk);
        const int status = query.value(statusColumn).toInt(&statusOk);
        if (!idOk || !statusOk) {
            LogFormatter(LogLevel::Warning).log(Log::Database)
                << Q_FUNC_INFO << "Skipped an unreadable row" << query.value(idColumn).toString();
            continue;
        }
        requests.emplace(lea::RemoteRequestId(id),
            RemoteRequest {
                query.value(deliveryIdColumn).toString(), status, query.value(typeColumn).toString() });
    }
    return requests;
}

} // namespace persistence
} // namespace bridge
