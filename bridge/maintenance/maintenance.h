#pragma once

#include "core/log/assert.h"
#include "lea/maintenance/maintenance.h"

#include <string>

class Configuration;

namespace bridge {
namespace maintenance {

/// The periodic-maintenance schedule of the GUI settings, and how many days
/// and deliveries are left before the next service. Keeps nothing of its own.
class Maintenance : public lea::maintenance::Maintenance
{
    Q_OBJECT

public:
    /// Not supported: the machine has no water filter counter.
    int waterQuantityToNextFilterMaintenance_L() const override
    {
        const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
        // Reported where it is declared, as the interface layer's clients expect.
        printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
        return 0;
    }

    explicit Maintenance(QObject* parent);
    ~Maintenance() override;

    Settings settings() const override;
    /// Stores the schedule; a refused save is logged and changes nothing.
    void setSettings(const Settings& settings) override;
    int maintenanceCount() const override;
    int maintenanceTime() const override;

private slots:
    void onConfigurationChanged(const Configuration* configuration);
};

} // namespace maintenance
} // namespace bridge
