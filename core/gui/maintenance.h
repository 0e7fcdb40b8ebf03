#pragma once

#include <QList>
#include <QObject>

class SettingsStore;
class TimeCleaning;

/// The GUI settings of maintenance: the weekly automatic rinsing schedule and
/// the maintenance interval, kept in the active configuration group's
/// settings store under "maintenance/..." keys. Setters change the values held
/// here; save() stores them.
class Maintenance : public QObject
{
    Q_OBJECT

public:
    explicit Maintenance(QObject* parent = nullptr);
    ~Maintenance() override;

    // --- Automatic rinsing ------------------------------------------------------

    bool isAutomaticCleaning() const { return m_automaticCleaning; }
    void setIsAutomaticCleaning(bool automatic) { m_automaticCleaning = automatic; }
    /// The schedule in the order it was given; owned by this object.
    QList<TimeCleaning*> timesCleaning() const { return m_timesCleaning; }
    void clearTimesCleaning();
    /// Appends an entry and takes it.
    void addTimeCleaning(TimeCleaning* timeCleaning);

    // --- Maintenance interval ---------------------------------------------------

    bool isMaintenanceEnabled() const { return m_maintenanceEnabled; }
    void setMaintenanceEnabled(bool enabled) { m_maintenanceEnabled = enabled; }
    /// Days between two maintenances.
    int maintenanceDays() const { return m_maintenanceDays; }
    void setMaintenanceDays(int days) { m_maintenanceDays = days; }
    /// Deliveries between two maintenances.
    int maintenanceDeliveries() const { return m_maintenanceDeliveries; }
    void setMaintenanceDeliveries(int deliveries) { m_maintenanceDeliveries = deliveries; }

    /// Reads the stored settings of the active group, the defaults where none
    /// is stored; an entry the store holds in an unreadable form is left out.
    void load();
    /// Stores every setting at once; false, with the store unchanged, when
    /// refused. A saved schedule is announced by the loaded configuration's
    /// cleaning settings.
    bool save();

private:
    static SettingsStore* store();

    bool m_automaticCleaning = false;
    QList<TimeCleaning*> m_timesCleaning;
    bool m_maintenanceEnabled = false;
    int m_maintenanceDays = 0;
    int m_maintenanceDeliveries = 0;
};
