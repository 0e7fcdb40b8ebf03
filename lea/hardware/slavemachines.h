#pragma once

#include <QObject>
#include <vector>

namespace lea {
namespace hardware {

/// Accessor of slave machines.
class SlaveMachines : public QObject
{
    Q_OBJECT

public:
    ~SlaveMachines() override = default;

    /// The fridge temperatures of the active slave machines that reported one, in tenths of a degree
    /// Celsius.
    virtual std::vector<int> temperatures_dC() const = 0;

signals:
    /// A slave machine reported another temperature.
    void slaveMachineTemperatureChanged();

protected:
    explicit SlaveMachines(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
