#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of dispensing calibration.
class DispensingCalibration : public QObject
{
    Q_OBJECT

public:
    ~DispensingCalibration() override = default;

protected:
    explicit DispensingCalibration(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
