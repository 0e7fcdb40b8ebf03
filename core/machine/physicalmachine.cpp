#include "core/machine/physicalmachine.h"

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
