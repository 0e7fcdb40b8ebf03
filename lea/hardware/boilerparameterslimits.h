#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of limits of the boiler parameters.
class BoilerParametersLimits : public QObject
{
    Q_OBJECT

public:
    ~BoilerParametersLimits() override = default;

protected:
    explicit BoilerParametersLimits(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
