#pragma once

#include "lea/ids.h"

#include <cstdint>
#include <map>
#include <QObject>
#include <QString>

namespace lea {
namespace persistence {

/// Accessor of remote requests: the journal of requests that a remote service
/// sent, kept so that unfinished ones are taken up again after a restart.
class RemoteRequests : public QObject
{
    Q_OBJECT

public:
    /// One request of a remote service.
    struct RemoteRequest
    {
        QString deliveryId;
        /// The service's own value; 1 and 2 mean finished.
        int32_t status = 0;
        QString type;
    };

    using RemoteRequestsMap = std::map<lea::RemoteRequestId, RemoteRequest>;

    ~RemoteRequests() override = default;

    virtual lea::RemoteRequestId add(const RemoteRequest& request) = 0;
    /// Overwrites the whole entry.
    virtual void update(lea::RemoteRequestId id, const RemoteRequest& request) = 0;
    virtual RemoteRequestsMap getUnfinishedRequests() const = 0;

protected:
    explicit RemoteRequests(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace persistence
} // namespace lea
