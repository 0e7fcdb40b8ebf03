#pragma once

#include "lea/maintenance/automaticrinsing.h"

namespace bridge {
namespace maintenance {

/// The weekly automatic rinsing schedule of the GUI settings, and whether it
/// runs; announces each save of the schedule. Keeps nothing of its own.
class AutomaticRinsing : public lea::maintenance::AutomaticRinsing
{
    Q_OBJECT

public:
    explicit AutomaticRinsing(QObject* parent);
    ~AutomaticRinsing() override;

    nonstd::optional<std::vector<Rinsing>> rinsingData() const override;
    /// Converts every record before anything changes: a record that cannot be
    /// stored throws std::invalid_argument and leaves the schedule as it was.
    /// A refused save is logged, returns false and leaves it as stored.
    bool setRinsingData(const nonstd::optional<std::vector<Rinsing>>& rinsings) override;
};

} // namespace maintenance
} // namespace bridge
