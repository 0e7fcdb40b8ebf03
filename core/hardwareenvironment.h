#pragma once

#include "core/machine/machinemodel.h"

#include <QObject>

class AbstractCupSensor;
namespace core {
namespace dadd {
class DeliveryAreaDoorDeviceManager;
} // namespace dadd
} // namespace core
class HardwareSettings;
class InputsCheck;
namespace Parameters {
class ParametersLimits;
} // namespace Parameters

/// The core's hardware side: machine model, hardware settings and the inputs
/// the controller board reads.
class HardwareEnvironment : public QObject
{
    Q_OBJECT

public:
    explicit HardwareEnvironment(QObject* parent = nullptr);
    ~HardwareEnvironment() override;

    InputsCheck* inputsCheck() const { return m_inputsCheck; }
    /// The cup sensor; null on a machine built without one.
    AbstractCupSensor* cupSensor() const { return m_cupSensor; }
    /// Builds the machine with or without a cup sensor (simulator hook).
    void setCupSensorFitted(bool fitted);
    /// The door of the delivery area.
    core::dadd::DeliveryAreaDoorDeviceManager* deliveryAreaDoorDeviceManager() const { return m_dadd; }
    /// The ranges the machine allows for its parameters.
    Parameters::ParametersLimits* parametersLimits() const { return m_parametersLimits; }
    HardwareSettings* hardwareSettings() const { return m_hardwareSettings; }
    using MachineModel = ::MachineModel;
    MachineModel machineModel() const { return m_machineModel; }
    /// Builds the machine as another model (simulator hook).
    void setMachineModel(MachineModel model) { m_machineModel = model; }

private:
    InputsCheck* m_inputsCheck;
    AbstractCupSensor* m_cupSensor = nullptr;
    core::dadd::DeliveryAreaDoorDeviceManager* m_dadd;
    Parameters::ParametersLimits* m_parametersLimits;
    HardwareSettings* m_hardwareSettings;
    MachineModel m_machineModel = MachineModel::Model0;
};

extern HardwareEnvironment* gHardwareEnv;
