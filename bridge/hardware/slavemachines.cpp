#include "bridge/hardware/slavemachines.h"

#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"
#include "core/multimachines/remotetemperaturemanager.h"
#include "core/multimachines/slavemachinesmanager.h"

#include <cmath>
#include <limits>

namespace bridge {
namespace hardware {

namespace {

const int slaveCount = 2;

// The temperature manager of slave `index` while it can be asked: the slave is attached and
// active, and the core does not make cold products' temperatures up.
RemoteTemperatureManager* availableManager(int index)
{
    const SlaveMachinesManager* manager = gCoreEnv->machine()->slaveMachinesManager();
    if (!manager || gCoreEnv->isSimulatingColdProducts())
        return nullptr;
    const QList<RemoteTemperatureManager*> managers = manager->remoteTemperatureManagers();
    if (index >= managers.size())
        return nullptr;
    const bool active
        = index == 0 ? manager->isFirstSlaveMachineActive() : manager->isSecondSlaveMachineActive();
    return active ? managers[index] : nullptr;
}

// The slaves send UTF-8 " °C" that is read as Latin-1.
const QString unitSuffix = QString::fromLatin1("\x20\xC2\xB0\x43");

} // namespace

SlaveMachines::SlaveMachines(QObject* parent)
    : lea::hardware::SlaveMachines(parent)
{
    if (SlaveMachinesManager* manager = gCoreEnv->machine()->slaveMachinesManager()) {
        connect(
            manager, &SlaveMachinesManager::firstSlaveMachineActiveChanged, this, &SlaveMachines::reconnect);
        connect(
            manager, &SlaveMachinesManager::secondSlaveMachineActiveChanged, this, &SlaveMachines::reconnect);
    }
    reconnect();
}

void SlaveMachines::reconnect()
{
    // Dropping the earlier connections first keeps a slave activated again from relaying twice.
    for (int index = 0; index < slaveCount; ++index) {
        disconnect(m_temperatureConnections[index]);
        if (RemoteTemperatureManager* manager = availableManager(index))
            m_temperatureConnections[index]
                = connect(manager, &RemoteTemperatureManager::fridgeTemperatureChanged, this,
                    &SlaveMachines::slaveMachineTemperatureChanged);
    }
}

std::vector<int> SlaveMachines::temperatures_dC() const
{
    std::vector<int> temperatures;
    for (int index = 0; index < slaveCount; ++index) {
        const RemoteTemperatureManager* manager = availableManager(index);
        if (!manager)
            continue;
        QString text = manager->fridgeTemperature();
        if (text.isEmpty())
            continue;
        text.remove(unitSuffix);
        bool ok = false;
        const double tenths = std::trunc(text.toDouble(&ok) * 10);
        // An unreadable temperature is unknown, not 0 °C.
        if (!ok || !std::isfinite(tenths) || tenths < std::numeric_limits<int>::min()
            || tenths > std::numeric_limits<int>::max()) {
            LogFormatter(LogLevel::Warning).log(Log::MultiMachines)
                << Q_FUNC_INFO << "Unreadable slave machine temperature" << manager->fridgeTemperature();
            continue;
        }
        const int temperature = static_cast<int>(tenths);
        if (temperature != -1)
            temperatures.push_back(temperature);
    }
    return temperatures;
}

} // namespace hardware
} // namespace bridge
