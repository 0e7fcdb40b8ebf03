#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the cup sensor.
class CupSensor : public QObject
{
    Q_OBJECT

public:
    /// How the machine uses its cup sensor; the machine's own numbering.
    enum Mode : int32_t {
        Mode0 = 0,
        Mode1 = 1,
        Mode2 = 2,
        Mode3 = 3,
        Mode4 = 4,
    };
    Q_ENUM(Mode)

    /// How readily the sensor reports a cup.
    enum Sensitivity : int32_t {
        Low = 0,
        Medium = 1,
        High = 2,
    };
    Q_ENUM(Sensitivity)

    /// When the machine dispenses although the sensor sees no cup; the machine's own numbering.
    enum ErogationRule : int32_t {
        Rule0 = 0,
        Rule1 = 1,
        Rule2 = 2,
    };
    Q_ENUM(ErogationRule)

    /// One of the places the sensor watches.
    using CupSensorIdx = uint32_t;

    /// How the machine uses its cup sensor.
    struct Settings
    {
        Mode mode = Mode0;
        Sensitivity sensitivity = Low;
        ErogationRule erogationRule = Rule0;
        /// Not used by this machine: always 0.
        int32_t reserved0 = 0;
        int32_t reserved1 = 0;
        int32_t reserved2 = 0;
    };

    ~CupSensor() override = default;

    /// A cup stands in the dispensing area; false on a machine without a sensor.
    virtual bool isCupPresent(nonstd::optional<CupSensorIdx> index) const = 0;
    /// The cup carrier is back home; true on a machine without a sensor.
    virtual bool isCupCarrierPositionHome() const = 0;
    virtual Settings settings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;

signals:
    void cupPresenceChanged();
    void cupCarrierPositionChanged();

protected:
    explicit CupSensor(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
