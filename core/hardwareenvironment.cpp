#include "core/hardwareenvironment.h"

#include "core/dadd/deliveryareadoordevicemanager.h"
#include "core/hardware/abstractcupsensor.h"
#include "core/hardware/hardwaresettings.h"
#include "core/hardware/inputscheck.h"
#include "core/multimachines/slavemachinessettings.h"
#include "core/parameters/parameterslimits.h"

HardwareEnvironment* gHardwareEnv = nullptr;

HardwareEnvironment::HardwareEnvironment(QObject* parent)
    : QObject(parent)
    , m_inputsCheck(new InputsCheck(this))
    , m_dadd(new core::dadd::DeliveryAreaDoorDeviceManager(this))
    , m_parametersLimits(new Parameters::ParametersLimits(this))
    , m_hardwareSettings(new HardwareSettings(this))
    , m_slaveMachinesSettings(new MultiMachines::SlaveMachinesSettings(this))
{
}

HardwareEnvironment::~HardwareEnvironment() = default;

void HardwareEnvironment::setCupSensorFitted(bool fitted)
{
    if (fitted == bool(m_cupSensor))
        return;
    if (fitted) {
        m_cupSensor = new AbstractCupSensor(this);
    } else {
        delete m_cupSensor;
        m_cupSensor = nullptr;
    }
}
