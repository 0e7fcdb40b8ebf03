#pragma once

#include "lea/maintenance/rinsing.h"

#include <cstdint>
#include <QMetaType>
#include <QObject>
#include <vector>

namespace lea {
namespace statistics {

/// What started a cleaning or rinsing.
enum CleaningMode : int32_t {
    Manual = 0,
    Scheduled = 1,
    Inactivity = 2,
    Warning = 3,
};

/// How far a cleaning or rinsing got.
enum CleaningStatus : int32_t {
    Requested = 0,
    Started = 1,
    Running = 2,
    Finished = 3,
    Aborted = 4,
};

/// Accessor of cleaning events: one signal per cleaning or rinsing event the machine reports.
class CleaningEvents : public QObject
{
    Q_OBJECT

public:
    /// One reported event.
    struct CleaningEvent
    {
        lea::maintenance::RinsingType type = lea::maintenance::Rinsing0;
        /// When it was detected, in seconds since 1970-01-01T00:00:00 UTC (low 32 bits).
        uint32_t time = 0;
        /// The request did not come from the machine's own screen.
        bool remote = false;
        CleaningMode mode = Manual;
        CleaningStatus status = Requested;
    };

    ~CleaningEvents() override = default;

    /// Past events; this machine keeps none.
    virtual std::vector<CleaningEvent> cleanings() const = 0;

signals:
    void cleaningEventData(lea::statistics::CleaningEvents::CleaningEvent& event);

protected:
    explicit CleaningEvents(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace statistics
} // namespace lea

Q_DECLARE_METATYPE(lea::statistics::CleaningEvents::CleaningEvent)
