#pragma once

#include "core/tools/versionnumber.h"

#include <QObject>

class AbstractCupSensor;
namespace core {
namespace dadd {
class DeliveryAreaDoorDeviceManager;
} // namespace dadd
} // namespace core
class HardwareSettings;
class InputsCheck;
namespace MultiMachines {
class SlaveMachinesSettings;
} // namespace MultiMachines
namespace Parameters {
class ParametersLimits;
} // namespace Parameters

/// The core's hardware side: machine model, hardware settings and the inputs
/// the controller board reads.
class HardwareEnvironment : public QObject
{
    Q_OBJECT

public:
    /// The machine models this software runs.
    enum MachineModel : int {
        TableTopInstant = 0,
        TableTopEspresso = 1,
        FloorStandingInstant = 2,
        FloorStandingEspresso = 3,
        CompactInstant = 4,
        CompactEspresso = 5,
        Quorra = 6,
    };
    Q_ENUM(MachineModel)

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
    MachineModel machineModel() const { return m_machineModel; }
    void setMachineModel(MachineModel model) { m_machineModel = model; }
    /// The version of the system the machine's key was made for.
    VersionNumber systemKeyVersion() const { return m_systemKeyVersion; }
    void setSystemKeyVersion(const VersionNumber& version) { m_systemKeyVersion = version; }
    MultiMachines::SlaveMachinesSettings* slaveMachinesSettings() const { return m_slaveMachinesSettings; }

private:
    InputsCheck* m_inputsCheck;
    AbstractCupSensor* m_cupSensor = nullptr;
    core::dadd::DeliveryAreaDoorDeviceManager* m_dadd;
    Parameters::ParametersLimits* m_parametersLimits;
    HardwareSettings* m_hardwareSettings;
    MachineModel m_machineModel = TableTopInstant;
    VersionNumber m_systemKeyVersion;
    MultiMachines::SlaveMachinesSettings* m_slaveMachinesSettings;
};

extern HardwareEnvironment* gHardwareEnv;
