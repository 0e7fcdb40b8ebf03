#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of the Sophia telemetry service.
class Sophia : public QObject
{
    Q_OBJECT

public:
    /// The state of the modem that the Sophia client drives.
    enum ModemState : qint32 {
        FirstStart = 0,
        NotFound = 1,
        ErrorCollectingData = 2,
        NotReady = 3,
        WaitData = 4,
        Ready = 5,
    };
    Q_ENUM(ModemState)

    ~Sophia() override = default;

protected:
    explicit Sophia(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
