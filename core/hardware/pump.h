#pragma once

#include "core/hardware/inputsoutputs.h"

#include <QObject>

/// One physical pump of the machine: the logical pump it serves and its
/// calibration range. Changes are kept in memory until the configuration saves the pump.
class Pump : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int calibrationMin READ calibrationMin WRITE setCalibrationMin)
    Q_PROPERTY(int calibrationMax READ calibrationMax WRITE setCalibrationMax)

public:
    Pump(int number, InputsOutputs::LogicalPumpId logicalId, QObject* parent = nullptr);
    ~Pump() override;

    /// The physical pump's number, from 0.
    int number() const { return m_number; }
    InputsOutputs::LogicalPumpId logicalId() const { return m_logicalId; }

    int calibrationMin() const { return m_calibrationMin; }
    void setCalibrationMin(int value) { m_calibrationMin = value; }
    int calibrationMax() const { return m_calibrationMax; }
    void setCalibrationMax(int value) { m_calibrationMax = value; }

private:
    int m_number;
    InputsOutputs::LogicalPumpId m_logicalId;
    int m_calibrationMin = 0;
    int m_calibrationMax = 1000;
};
