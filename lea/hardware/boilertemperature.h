#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of boiler temperatures and boosts.
class BoilerTemperature : public QObject
{
    Q_OBJECT

public:
    ~BoilerTemperature() override = default;

protected:
    explicit BoilerTemperature(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
