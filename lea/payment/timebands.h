#pragma once

#include <cstdint>
#include <QObject>
#include <QTime>
#include <vector>

namespace lea {
namespace payment {

/// Accessor of the time band switches: which price list (time band) applies
/// from which weekday and time on.
class TimeBands : public QObject
{
    Q_OBJECT

public:
    enum TimeBand : int32_t {
        TimeBand0 = 0,
        TimeBand1 = 1,
        TimeBand2 = 2,
        TimeBand3 = 3,
    };
    Q_ENUM(TimeBand)

    /// From `time` on `day`, the prices of `band` apply.
    struct TimeBandSwitch
    {
        QTime time;
        Qt::DayOfWeek day = Qt::Monday;
        TimeBand band = TimeBand0;
    };

    ~TimeBands() override = default;

    virtual std::vector<TimeBandSwitch> priceTimeBandSwitch() const = 0;
    /// Replaces every switch.
    virtual void setTimeBandSwitch(const std::vector<TimeBandSwitch>& switches) = 0;
    virtual void addTimeBandSwitch(const TimeBandSwitch& timeBandSwitch) = 0;
    virtual void deleteAllSwitch() = 0;
    /// Deletes every switch equal to the given one.
    virtual void deleteTimeBandSwitch(const TimeBandSwitch& timeBandSwitch) = 0;
    virtual TimeBand currentTimeBand() const = 0;

protected:
    explicit TimeBands(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
