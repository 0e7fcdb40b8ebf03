#pragma once

#include <QObject>

namespace lea {
namespace persistence {

/// Accessor of remote requests.
class RemoteRequests : public QObject
{
    Q_OBJECT

public:
    ~RemoteRequests() override = default;

protected:
    explicit RemoteRequests(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace persistence
} // namespace lea
