#pragma once

#include "lea/maintenance/rinsing.h"
#include "nonstd/optional.hpp"

#include <QObject>
#include <QTime>
#include <vector>

namespace lea {
namespace maintenance {

/// Accessor of automatic rinsing: the weekly schedule and whether it runs at all.
class AutomaticRinsing : public QObject
{
    Q_OBJECT

public:
    /// One scheduled rinsing.
    struct Rinsing
    {
        RinsingType type = Rinsing0;
        RinsingDays day = Monday;
        /// Hours and minutes only.
        QTime time;
    };

    ~AutomaticRinsing() override = default;

    /// The schedule in stored order; absent while automatic rinsing is off.
    virtual nonstd::optional<std::vector<Rinsing>> rinsingData() const = 0;
    /// Replaces the schedule, or with an absent value switches automatic
    /// rinsing off; true when the machine stored it.
    virtual bool setRinsingData(const nonstd::optional<std::vector<Rinsing>>& rinsings) = 0;

signals:
    void automaticCleaningsUpdated();

protected:
    explicit AutomaticRinsing(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
