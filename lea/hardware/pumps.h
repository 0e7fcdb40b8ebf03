#pragma once

#include <cstdint>
#include <map>
#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the pumps.
class Pumps : public QObject
{
    Q_OBJECT

public:
    /// A logical pump, numbered from FirstPump to LastPump.
    enum LogicalPumpId : int32_t {
        FirstPump = 0,
        LastPump = 19,
    };
    Q_ENUM(LogicalPumpId)

    /// The calibration range of one pump.
    struct Pump
    {
        int calibrationMin = 0;
        int calibrationMax = 0;
    };

    ~Pumps() override = default;

    virtual std::map<LogicalPumpId, Pump> pumps() const = 0;
    virtual void setPumps(const std::map<LogicalPumpId, Pump>& pumps) = 0;

protected:
    explicit Pumps(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
