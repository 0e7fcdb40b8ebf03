#pragma once

#include "nonstd/optional.hpp"

#include <QObject>
#include <QPair>

namespace lea {
namespace hardware {

/// Accessor of limits of the boiler parameters.
class BoilerParametersLimits : public QObject
{
    Q_OBJECT

public:
    /// A range (minimum, maximum); empty when the machine gives none.
    using Limits = nonstd::optional_lite::optional<QPair<int, int>>;

    ~BoilerParametersLimits() override = default;

    /// In tenths of a degree Celsius.
    virtual Limits instantBoilerTemp() const = 0;
    /// In tenths of a degree Celsius.
    virtual Limits espressoBoilerTemp() const = 0;
    virtual Limits boostTimeFirstCoffee() const = 0;
    virtual Limits boostTimeThresholdEspresso() const = 0;

protected:
    explicit BoilerParametersLimits(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
