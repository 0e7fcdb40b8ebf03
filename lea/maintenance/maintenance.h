#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>

namespace lea {
namespace maintenance {

/// Accessor of maintenance counters.
class Maintenance : public QObject
{
    Q_OBJECT

public:
    /// The periodic-maintenance schedule.
    struct Settings
    {
        bool maintenanceEnabled = false;
        /// Days between two maintenances.
        uint16_t days = 0;
        /// Deliveries between two maintenances.
        uint16_t deliveries = 0;
        /// Reserved; never present when read, ignored when written.
        nonstd::optional<int32_t> reserved1;
        nonstd::optional<int32_t> reserved2;
    };

    ~Maintenance() override = default;

    virtual Settings settings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;
    /// Deliveries left before the next maintenance; negative when overdue.
    virtual int maintenanceCount() const = 0;
    /// Days left before the next maintenance; negative when overdue.
    virtual int maintenanceTime() const = 0;
    /// Not supported by this machine.
    virtual int waterQuantityToNextFilterMaintenance_L() const = 0;

signals:
    void erogationsCountChanged();
    void maintenanceSettingsChanged();

protected:
    explicit Maintenance(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
