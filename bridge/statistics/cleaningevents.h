#pragma once

#include "core/configuration/cleaningsettings.h"
#include "lea/statistics/cleaningevents.h"

namespace bridge {
namespace statistics {

/// One signal per cleaning or rinsing event that the machine reports, dated
/// by the machine's clock. Keeps no past events.
class CleaningEvents : public lea::statistics::CleaningEvents
{
    Q_OBJECT

public:
    explicit CleaningEvents(QObject* parent);
    ~CleaningEvents() override;

    std::vector<CleaningEvent> cleanings() const override;

private slots:
    /// An event with a value the interface does not know is logged and not relayed.
    void cleaningEventDetected(CleaningSettings::RinsingType type, CleaningSettings::RinsingMode mode,
        CleaningSettings::RinsingState state, bool remote);
};

} // namespace statistics
} // namespace bridge
