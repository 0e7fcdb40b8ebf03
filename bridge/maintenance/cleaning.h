#pragma once

#include "lea/maintenance/cleaning.h"

namespace bridge {
namespace maintenance {

/// The cleanings the loaded configuration warns about, and starting a rinsing
/// on the machine now. Keeps nothing of its own; this machine plans no
/// cleanings on calendar days and offers neither setCleanings() nor states().
class Cleaning : public lea::maintenance::Cleaning
{
    Q_OBJECT

public:
    explicit Cleaning(QObject* parent);
    ~Cleaning() override;

    std::vector<Settings> cleanings() const override;
    bool hasCalendarCleaningFeature() const override;
    bool setCleanings(const std::vector<Settings>& cleanings) override;
    std::vector<CleaningState> states() const override;
    /// Throws std::invalid_argument, and starts nothing, for a type without
    /// core counterpart or an amount beyond the machine's range.
    void startCleaning(lea::maintenance::RinsingType type, nonstd::optional<unsigned int> amount) override;
};

} // namespace maintenance
} // namespace bridge
