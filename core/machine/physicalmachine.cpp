#include "core/machine/physicalmachine.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kCupSensorMode = QStringLiteral("physicalMachine/cupSensorMode");
} // namespace

PhysicalMachine::PhysicalMachine(QObject* parent)
    : QObject(parent)
{
}

PhysicalMachine::~PhysicalMachine() = default;

const PhysicalMachine::PhysicalCanister* PhysicalMachine::canisterByType(
    Canister::LogicalCanisterId type) const
{
    const auto it = m_canisters.constFind(type);
    return it == m_canisters.cend() ? nullptr : &it.value();
}

void PhysicalMachine::addCanister(Canister::LogicalCanisterId type)
{
    m_canisters.insert(type, PhysicalCanister(type));
}

void PhysicalMachine::removeCanister(Canister::LogicalCanisterId type)
{
    m_canisters.remove(type);
}

void PhysicalMachine::load(const SettingsStore& store)
{
    // Fixed underlying type: a stored value the enumeration does not name is
    // kept as it is, for the bridge to refuse.
    m_cupSensorMode = static_cast<CupSensorMode>(store.value(kCupSensorMode, int(m_cupSensorMode)).toInt());
}

bool PhysicalMachine::save(SettingsStore& store) const
{
    return store.setValue(kCupSensorMode, int(m_cupSensorMode));
}
