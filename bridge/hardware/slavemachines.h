#pragma once

#include "lea/hardware/slavemachines.h"

#include <array>

class RemoteTemperatureManager;

namespace bridge {
namespace hardware {

/// The fridge temperatures of the (at most two) active slave machines, and their changes.
class SlaveMachines : public lea::hardware::SlaveMachines
{
    Q_OBJECT

public:
    explicit SlaveMachines(QObject* parent);

    std::vector<int> temperatures_dC() const override;

private:
    /// Relays the temperature changes of the slaves that are available now, once each.
    void reconnect();

    std::array<QMetaObject::Connection, 2> m_temperatureConnections;
};

} // namespace hardware
} // namespace bridge
