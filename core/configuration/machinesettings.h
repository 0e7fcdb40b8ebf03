#pragma once

#include <QObject>

class EspressoSettings;
class SettingsStore;

/// The machine settings of a configuration that the bridge changes, kept in
/// the configuration group's settings store under "machine/..." keys, with the
/// espresso group settings.
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

public:
    /// How readily the cup sensor reports a cup.
    enum CupSensorSensibility : int {
        LowSensibility = 0,
        MediumSensibility = 1,
        HighSensibility = 2,
    };
    Q_ENUM(CupSensorSensibility)

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

    /// The espresso group settings, stored together with these.
    EspressoSettings* espressoSettings() const { return m_espressoSettings; }

    /// Reads the stored settings, the defaults where none is stored.
    void load(const SettingsStore& store);
    /// Stores every setting at once; false, with the store unchanged, when refused.
    bool save(SettingsStore& store) const;

private:
    bool m_cpuFanManagementOn = false;
    bool m_fanAlwaysOn = false;
    int m_fanDuration = 0;
    bool m_boostEspressoWater = false;
    CupSensorSensibility m_cupSensorSensibility = LowSensibility;
    EspressoSettings* m_espressoSettings;
};
