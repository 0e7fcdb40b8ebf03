#pragma once

#include "lea/staticsettings/date.h"

namespace bridge {
namespace staticsettings {

/// The machine's time zone and daylight-saving rule from the loaded
/// configuration, and its clock, which keeps local time (summer hour included).
class Date : public lea::staticsettings::Date
{
    Q_OBJECT

public:
    /// Follows the time-zone offset of whichever configuration is loaded.
    explicit Date(QObject* parent);
    ~Date() override;

    std::chrono::minutes timeZoneOffset() const override;
    /// On the machine, its clock turned back into UTC: the offset and, within
    /// summer time, the summer hour taken off. Elsewhere the clock is UTC-aware.
    QDateTime currentDateTimeUtc() const override;
    /// Sets the machine's clock to the local time of `utc`, summer hour included.
    /// Only on the machine; an invalid time is logged and changes nothing.
    void setCurrentDateTimeFromUtc(const QDateTime& utc) override;
    nonstd::optional<Dst> dst() const override;
    /// Stores the rule and switches automatic summer time on, or off for an
    /// empty one. A rule with a value the machine does not know is not stored
    /// and switches automatic summer time off.
    void setDst(const nonstd::optional<Dst>& dst) override;
};

} // namespace staticsettings
} // namespace bridge
