#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of the NewDigital telemetry service.
class NewDigital : public QObject
{
    Q_OBJECT

public:
    enum CloudConnectionStatus : qint32 {
        NotConnected = 0,
        Connecting = 1,
        Connected = 2,
        Reconnecting = 3,
    };
    Q_ENUM(CloudConnectionStatus)

    ~NewDigital() override = default;

protected:
    explicit NewDigital(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
