#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of limits of the energy-saving parameters.
class EnergySavingParametersLimits : public QObject
{
    Q_OBJECT

public:
    ~EnergySavingParametersLimits() override = default;

protected:
    explicit EnergySavingParametersLimits(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
