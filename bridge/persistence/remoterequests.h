#pragma once

#include "core/database/abstractdatabase.h"
#include "lea/persistence/remoterequests.h"

#include <memory>

class VqSqlQuery;

namespace bridge {
namespace persistence {

class PreparedInsert;

/// The journal of remote requests on the table "Connectivity_Requests". Keeps
/// nothing in memory and emits nothing.
class RemoteRequests : public lea::persistence::RemoteRequests
{
    Q_OBJECT

public:
    explicit RemoteRequests(QObject* parent);
    ~RemoteRequests() override;

    lea::RemoteRequestId add(const RemoteRequest& request) override;
    void update(lea::RemoteRequestId id, const RemoteRequest& request) override;
    /// Requests whose status is neither 1 nor 2.
    RemoteRequestsMap getUnfinishedRequests() const override;

    static AbstractDatabase::Values updateMap(const RemoteRequest& request);
    /// The rows of an executed query; a row without a valid id is logged and skipped.
    static RemoteRequestsMap extractFromResult(VqSqlQuery& query);

private:
    std::unique_ptr<PreparedInsert> m_insert;
};

} // namespace persistence
} // namespace bridge
