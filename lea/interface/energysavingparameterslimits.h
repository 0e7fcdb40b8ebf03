#pragma once

#include "nonstd/optional.hpp"

#include <QObject>
#include <QPair>

namespace lea {
namespace interface {

/// Accessor of limits of the energy-saving parameters: each an optional
/// range, minimum then maximum, empty where the machine sets none.
class EnergySavingParametersLimits : public QObject
{
    Q_OBJECT

public:
    using Limits = nonstd::optional<QPair<int, int>>;

    ~EnergySavingParametersLimits() override = default;

    virtual Limits timeBeforeSoftMode() const = 0;
    virtual Limits espressoBoilerTempSoftMode() const = 0;
    virtual Limits instantBoilerTempSoftMode() const = 0;
    virtual Limits steamBoilerPressureSoftMode() const = 0;
    virtual Limits wakeUpTimeDeepMode() const = 0;
    virtual Limits espressoBoilerTempDeepMode() const = 0;
    virtual Limits instantBoilerTempDeepMode() const = 0;
    virtual Limits steamBoilerPressureDeepMode() const = 0;
    virtual Limits salesThresholdValueSelfMode() const = 0;
    virtual Limits wakeUpTimeFromOff() const = 0;

protected:
    explicit EnergySavingParametersLimits(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
