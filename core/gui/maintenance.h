#pragma once

#include <QObject>

class SettingsStore;

/// The GUI settings of maintenance: the maintenance interval, kept in the
/// active configuration group's settings store under "maintenance/..." keys.
/// Setters change the values held here; save() stores them.
class Maintenance : public QObject
{
    Q_OBJECT

public:
    explicit Maintenance(QObject* parent = nullptr);
    ~Maintenance() override;

    // --- Maintenance interval ---------------------------------------------------

    bool isMaintenanceEnabled() const { return m_maintenanceEnabled; }
    void setMaintenanceEnabled(bool enabled) { m_maintenanceEnabled = enabled; }
    /// Days between two maintenances.
    int maintenanceDays() const { return m_maintenanceDays; }
    void setMaintenanceDays(int days) { m_maintenanceDays = days; }
    /// Deliveries between two maintenances.
    int maintenanceDeliveries() const { return m_maintenanceDeliveries; }
    void setMaintenanceDeliveries(int deliveries) { m_maintenanceDeliveries = deliveries; }

    /// Reads the stored settings of the active group, the defaults where none is stored.
    void load();
    /// Stores every setting at once; false, with the store unchanged, when refused.
    bool save();

private:
    static SettingsStore* store();

    bool m_maintenanceEnabled = false;
    int m_maintenanceDays = 0;
    int m_maintenanceDeliveries = 0;
};
