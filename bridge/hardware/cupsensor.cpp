#include "bridge/hardware/cupsensor.h"

#include "bridge/hardware/cupsensormodeenumconverter.h"
#include "bridge/hardware/cupsensorsensitivityenumconverter.h"
#include "bridge/hardware/erogationruleenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/hardware/abstractcupsensor.h"
#include "core/hardwareenvironment.h"

namespace bridge {
namespace hardware {

CupSensor::CupSensor(QObject* parent)
    : lea::hardware::CupSensor(parent)
{
    if (AbstractCupSensor* sensor = gHardwareEnv->cupSensor()) {
        connect(sensor, &AbstractCupSensor::cupPresenceChanged, this, &CupSensor::cupPresenceChanged);
        connect(sensor, &AbstractCupSensor::isCupCarrierPositionHomeChanged, this,
            &CupSensor::cupCarrierPositionChanged);
    }
}

CupSensor::~CupSensor() = default;

bool CupSensor::isCupPresent(nonstd::optional<CupSensorIdx> index) const
{
    Q_UNUSED(index)
    const AbstractCupSensor* sensor = gHardwareEnv->cupSensor();
    return sensor && sensor->isAnyCupPresent(false);
}

bool CupSensor::isCupCarrierPositionHome() const
{
    const AbstractCupSensor* sensor = gHardwareEnv->cupSensor();
    return !sensor || sensor->isCupCarrierPositionHome();
}

lea::hardware::CupSensor::Settings CupSensor::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    Settings settings;
    settings.mode
        = CupSensorModeEnumConverter::toExternalOrThrow(configuration->physicalMachine()->cupSensorMode());
    settings.sensitivity = CupSensorSensitivityEnumConverter::toExternalOrThrow(
        configuration->machineSettings()->cupSensorSensibility());
    settings.erogationRule = ErogationRuleEnumConverter::toExternalOrThrow(
        configuration->generalSettings()->forceErogationRule());
    return settings;
}

void CupSensor::setSettings(const Settings& settings)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog failures(Q_FUNC_INFO, Log::Global);
    const utils::FailureLog saves(Q_FUNC_INFO, Log::Database);

    if (const auto mode = CupSensorModeEnumConverter::toInternalOpt(settings.mode)) {
        PhysicalMachine& physical = *configuration->physicalMachine();
        utils::Rollback rollback(physical);
        physical.setCupSensorMode(*mode);
        if (saves.stored(configuration->savePhysicalMachine(), "Failed to save the cup sensor mode"))
            rollback.commit();
    } else {
        failures.error("Attempt to configure unsupported CupSensorMode");
    }

    if (const auto sensitivity = CupSensorSensitivityEnumConverter::toInternalOpt(settings.sensitivity)) {
        MachineSettings& machine = *configuration->machineSettings();
        utils::Rollback rollback(machine);
        machine.setCupSensorSensibility(*sensitivity);
        if (saves.stored(configuration->saveMachineSettings(), "Failed to save the cup sensor sensitivity"))
            rollback.commit();
    } else {
        failures.error("Attempt to configure unsupported CupSensorSensitivity");
    }

    // Last: the general settings announce a stored change at once.
    if (const auto rule = ErogationRuleEnumConverter::toInternalOpt(settings.erogationRule)) {
        saves.stored(configuration->generalSettings()->setForceErogationRule(*rule),
            "Failed to save the cup sensor dispensing rule");
    } else {
        failures.error("Attempt to configure unsupported ForceErogationRules");
    }
}

} // namespace hardware
} // namespace bridge
