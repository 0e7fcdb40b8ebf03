#pragma once

#include "lea/maintenance/rinsing.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <QTime>
#include <vector>

namespace lea {
namespace maintenance {

/// Accessor of cleaning cycles: the cleanings the machine warns about, and
/// starting a rinsing now.
class Cleaning : public QObject
{
    Q_OBJECT

public:
    /// A cleaning the machine warns about when it is due.
    struct Settings
    {
        bool enabled = false;
        int64_t interval = 0;
        int32_t warningBefore = 0;
        bool blocking = false;
        RinsingType type = Rinsing0;
        RinsingDays day = Monday;
        QTime time;
        int32_t amount = 0;
    };

    /// Where one cleaning stands.
    struct CleaningState
    {
        RinsingType type = Rinsing0;
        bool due = false;
    };

    ~Cleaning() override = default;

    virtual std::vector<Settings> cleanings() const = 0;
    /// Whether cleanings can be planned on calendar days.
    virtual bool hasCalendarCleaningFeature() const = 0;
    /// Not supported by every machine.
    virtual bool setCleanings(const std::vector<Settings>& cleanings) = 0;
    /// Not supported by every machine.
    virtual std::vector<CleaningState> states() const = 0;
    /// Starts a rinsing of `type` now, with the machine's default amount when none is given.
    virtual void startCleaning(RinsingType type, nonstd::optional<unsigned int> amount) = 0;

signals:
    void warningCleaningsUpdated();

protected:
    explicit Cleaning(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
