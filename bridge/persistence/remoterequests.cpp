#include "bridge/persistence/remoterequests.h"

#include "bridge/persistence/tablequery.h"
#include "bridge/persistence/tables.h"
#include "bridge/writerule.h"
#include "core/log/logformatter.h"

#include <stdexcept>

namespace bridge {
namespace persistence {

namespace {

const char* const SaveFailure = ": Failed to save remote request";

} // namespace

RemoteRequests::RemoteRequests(QObject* parent)
    : lea::persistence::RemoteRequests(parent)
{
}

RemoteRequests::~RemoteRequests() = default;

lea::RemoteRequestId RemoteRequests::add(const RemoteRequest& request)
{
    const nonstd::optional<unsigned int> id
        = TableQuery(Q_FUNC_INFO, tables::requests::Table).insert(updateMap(request));
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
    while (query.next()) {
        bool idOk = false;
        bool statusOk = false;
        const unsigned int id = query.value(tables::Id).toUInt(&idOk);
        const int status = query.value(tables::Status).toInt(&statusOk);
        if (!idOk || !statusOk) {
            LogFormatter(LogLevel::Warning).log(Log::Database)
                << Q_FUNC_INFO << "Skipped an unreadable row" << query.value(tables::Id).toString();
            continue;
        }
        requests.emplace(lea::RemoteRequestId(id),
            RemoteRequest { query.value(tables::requests::DeliveryId).toString(), status,
                query.value(tables::requests::Type).toString() });
    }
    return requests;
}

} // namespace persistence
} // namespace bridge
