#pragma once

#include <QJsonObject>
#include <QObject>

class SettingsStore;

/// The machine settings of a configuration that the bridge changes, kept in
/// the configuration group's settings store under "machine/..." keys.
/// Setters change the values held here; Configuration::saveMachineSettings() stores them.
class MachineSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isCPUFanManagementOn READ isCPUFanManagementOn WRITE setIsCPUFanManagementOn)
    Q_PROPERTY(bool fanAlwaysOn READ fanAlwaysOn WRITE setFanAlwaysOn)
    Q_PROPERTY(int fanDuration READ fanDuration WRITE setFanDuration)
    Q_PROPERTY(bool boostEspressoWater READ boostEspressoWater WRITE setBoostEspressoWater)
    Q_PROPERTY(
        CupSensorSensibility cupSensorSensibility READ cupSensorSensibility WRITE setCupSensorSensibility)
    Q_PROPERTY(int espressoTemperature READ espressoTemperature WRITE setEspressoTemperature)
    Q_PROPERTY(int espressoMinTemperature READ espressoMinTemperature WRITE setEspressoMinTemperature)
    Q_PROPERTY(int lowTemperatureFailureSolvedThreshold READ lowTemperatureFailureSolvedThreshold WRITE
            setLowTemperatureFailureSolvedThreshold)
    Q_PROPERTY(
        int espressoMaxDeltaTemperature READ espressoMaxDeltaTemperature WRITE setEspressoMaxDeltaTemperature)
    Q_PROPERTY(int idleTimeBeforeMaxEspressoTemperature READ idleTimeBeforeMaxEspressoTemperature WRITE
            setIdleTimeBeforeMaxEspressoTemperature)
    Q_PROPERTY(BoostInstantType boostInstantType READ boostInstantType WRITE setBoostInstantType)
    Q_PROPERTY(BoostEspressoType boostEspressoType READ boostEspressoType WRITE setBoostEspressoType)
    Q_PROPERTY(int wasteBucketFull READ wasteBucketFull WRITE setWasteBucketFull)
    Q_PROPERTY(int wasteBucketWarning READ wasteBucketWarning WRITE setWasteBucketWarning)
    Q_PROPERTY(int maintenanceDeliveryCount READ maintenanceDeliveryCount WRITE setMaintenanceDeliveryCount)
    Q_PROPERTY(int maintenanceIntervalDays READ maintenanceIntervalDays WRITE setMaintenanceIntervalDays)

public:
    /// How readily the cup sensor reports a cup.
    enum CupSensorSensibility : int {
        LowSensibility = 0,
        MediumSensibility = 1,
        HighSensibility = 2,
    };
    Q_ENUM(CupSensorSensibility)
    /// How the instant boiler is boosted.
    enum BoostInstantType : int {
        NoInstantBoost = 0,
        InstantBoost = 1,
    };
    Q_ENUM(BoostInstantType)
    /// How the espresso boiler is boosted.
    enum BoostEspressoType : int {
        NoEspressoBoost = 0,
        EspressoBoost = 1,
    };
    Q_ENUM(BoostEspressoType)

    explicit MachineSettings(QObject* parent = nullptr);
    ~MachineSettings() override;

    /// The CPU board switches the fan on and off by itself.
    bool isCPUFanManagementOn() const { return m_cpuFanManagementOn; }
    void setIsCPUFanManagementOn(bool on) { m_cpuFanManagementOn = on; }
    bool fanAlwaysOn() const { return m_fanAlwaysOn; }
    void setFanAlwaysOn(bool on) { m_fanAlwaysOn = on; }
    /// How long the fan runs after a dispensing.
    int fanDuration() const { return m_fanDuration; }
    void setFanDuration(int duration) { m_fanDuration = duration; }
    /// The espresso boiler heats up harder while the water of an espresso flows.
    bool boostEspressoWater() const { return m_boostEspressoWater; }
    void setBoostEspressoWater(bool on) { m_boostEspressoWater = on; }
    CupSensorSensibility cupSensorSensibility() const { return m_cupSensorSensibility; }
    void setCupSensorSensibility(CupSensorSensibility sensibility) { m_cupSensorSensibility = sensibility; }

    // Boiler temperatures are in tenths of a degree Celsius.

    /// The espresso boiler's set-point.
    int espressoTemperature() const { return m_espressoTemperature; }
    void setEspressoTemperature(int temperature) { m_espressoTemperature = temperature; }
    /// Below this the espresso boiler is too cold to dispense.
    int espressoMinTemperature() const { return m_espressoMinTemperature; }
    void setEspressoMinTemperature(int temperature) { m_espressoMinTemperature = temperature; }
    /// The temperature at which a low-temperature failure clears again.
    int lowTemperatureFailureSolvedThreshold() const { return m_lowTemperatureFailureSolvedThreshold; }
    void setLowTemperatureFailureSolvedThreshold(int temperature)
    {
        m_lowTemperatureFailureSolvedThreshold = temperature;
    }
    int espressoMaxDeltaTemperature() const { return m_espressoMaxDeltaTemperature; }
    void setEspressoMaxDeltaTemperature(int delta) { m_espressoMaxDeltaTemperature = delta; }
    /// How long the machine idles before it heats the espresso boiler to its maximum.
    int idleTimeBeforeMaxEspressoTemperature() const { return m_idleTimeBeforeMaxEspressoTemperature; }
    void setIdleTimeBeforeMaxEspressoTemperature(int time) { m_idleTimeBeforeMaxEspressoTemperature = time; }
    BoostInstantType boostInstantType() const { return m_boostInstantType; }
    void setBoostInstantType(BoostInstantType type) { m_boostInstantType = type; }
    BoostEspressoType boostEspressoType() const { return m_boostEspressoType; }
    void setBoostEspressoType(BoostEspressoType type) { m_boostEspressoType = type; }

    /// The steam temperature in degrees Celsius at a boiler pressure in bar
    /// above the atmosphere's.
    double pressureToTemperature(double pressure_bar) const;
    /// The steam boiler pressure, in tenths of a bar above the atmosphere's, at
    /// a temperature in degrees Celsius.
    double temperatureToPressure(int temperature_C) const;

    /// Solid-waste container thresholds, in the unit of the hardware settings.
    int wasteBucketFull() const { return m_wasteBucketFull; }
    void setWasteBucketFull(int value) { m_wasteBucketFull = value; }
    int wasteBucketWarning() const { return m_wasteBucketWarning; }
    void setWasteBucketWarning(int value) { m_wasteBucketWarning = value; }

    /// The machine's delivery counter at which the next service is due.
    int maintenanceDeliveryCount() const { return m_maintenanceDeliveryCount; }
    void setMaintenanceDeliveryCount(int count);
    /// Days from one service to the next.
    int maintenanceIntervalDays() const { return m_maintenanceIntervalDays; }
    void setMaintenanceIntervalDays(int days);

    /// Reads the stored settings, the defaults where none is stored.
    void load(const SettingsStore& store);
    /// The stored form of every setting, keyed as the store keeps them.
    QJsonObject values() const;
    /// The stored form of the boiler temperature and boost settings only.
    QJsonObject boilerValues() const;

signals:
    /// The service delivery count or interval changed.
    void maintenanceSettingsChanged();

private:
    bool m_cpuFanManagementOn = false;
    bool m_fanAlwaysOn = false;
    int m_fanDuration = 0;
    bool m_boostEspressoWater = false;
    CupSensorSensibility m_cupSensorSensibility = LowSensibility;
    int m_espressoTemperature = 920;
    int m_espressoMinTemperature = 850;
    int m_lowTemperatureFailureSolvedThreshold = 880;
    int m_espressoMaxDeltaTemperature = 30;
    int m_idleTimeBeforeMaxEspressoTemperature = 0;
    BoostInstantType m_boostInstantType = NoInstantBoost;
    BoostEspressoType m_boostEspressoType = NoEspressoBoost;
    int m_wasteBucketFull = 0;
    int m_wasteBucketWarning = 0;
    int m_maintenanceDeliveryCount = 0;
    int m_maintenanceIntervalDays = 0;
};
