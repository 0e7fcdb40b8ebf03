#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of sensor readings.
class Sensors : public QObject
{
    Q_OBJECT

public:
    ~Sensors() override = default;

protected:
    explicit Sensors(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
