#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the cup sensor.
class CupSensor : public QObject
{
    Q_OBJECT

public:
    ~CupSensor() override = default;

protected:
    explicit CupSensor(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
