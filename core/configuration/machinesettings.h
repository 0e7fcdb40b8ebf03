#pragma once

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
    Q_PROPERTY(int wasteBucketFull READ wasteBucketFull WRITE setWasteBucketFull)
    Q_PROPERTY(int wasteBucketWarning READ wasteBucketWarning WRITE setWasteBucketWarning)
    Q_PROPERTY(int maintenanceDeliveryCount READ maintenanceDeliveryCount WRITE setMaintenanceDeliveryCount)
    Q_PROPERTY(int maintenanceIntervalDays READ maintenanceIntervalDays WRITE setMaintenanceIntervalDays)

public:
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
    /// Stores every setting at once; false, with the store unchanged, when refused.
    bool save(SettingsStore& store) const;

signals:
    /// The service delivery count or interval changed.
    void maintenanceSettingsChanged();

private:
    bool m_cpuFanManagementOn = false;
    bool m_fanAlwaysOn = false;
    int m_fanDuration = 0;
    int m_wasteBucketFull = 0;
    int m_wasteBucketWarning = 0;
    int m_maintenanceDeliveryCount = 0;
    int m_maintenanceIntervalDays = 0;
};
