#pragma once

#include "nonstd/optional.hpp"

#include <chrono>
#include <cstdint>
#include <QDateTime>
#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of date, time zone and daylight saving.
class Date : public QObject
{
    Q_OBJECT

public:
    /// The region whose daylight-saving rule the machine follows.
    enum TimeZone : int32_t {
        WesternEurope = 0,
        CentralEurope = 1,
        EasternEurope = 2,
        NorthAmerica = 3,
        SouthAmerica = 4,
        Oceania = 5,
    };
    enum DstDay : int32_t {
        Sunday = 0,
        Saturday = 1,
    };
    enum DstWeek : int32_t {
        FirstWeek = 0,
        SecondWeek = 1,
        ThirdWeek = 2,
        LastWeek = 3,
    };
    enum DstMonth : int32_t {
        March = 0,
        April = 1,
        September = 2,
        October = 3,
    };

    /// One change of the daylight-saving rule.
    struct DstRule
    {
        DstMonth month = March;
        DstWeek week = LastWeek;
        DstDay day = Sunday;
        /// Not used by this machine: -1 when read, ignored when written.
        int32_t hour = -1;
    };

    /// The daylight-saving rule: summer time runs from `start` to `end`.
    struct Dst
    {
        TimeZone timeZone = CentralEurope;
        DstRule start;
        DstRule end;
    };

    ~Date() override = default;

    virtual std::chrono::minutes timeZoneOffset() const = 0;
    virtual QDateTime currentDateTimeUtc() const = 0;
    virtual void setCurrentDateTimeFromUtc(const QDateTime& utc) = 0;
    /// Empty while the machine does not change to summer time by itself.
    virtual nonstd::optional<Dst> dst() const = 0;
    virtual void setDst(const nonstd::optional<Dst>& dst) = 0;

signals:
    void timeZoneOffsetChanged();

protected:
    explicit Date(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
