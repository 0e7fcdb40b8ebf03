#pragma once

#include "core/catalogue/canister.h"

#include <QMap>
#include <QObject>

/// The machine's physical description: the canister places it is built with.
class PhysicalMachine : public QObject
{
    Q_OBJECT

public:
    /// One canister place, named by the logical ingredient it takes.
    class PhysicalCanister
    {
    public:
        explicit PhysicalCanister(Canister::LogicalCanisterId type)
            : m_type(type)
        {
        }
        Canister::LogicalCanisterId type() const { return m_type; }

    private:
        Canister::LogicalCanisterId m_type;
    };

    explicit PhysicalMachine(QObject* parent = nullptr);
    ~PhysicalMachine() override;

    /// The place for `type`, or null when the machine has none.
    const PhysicalCanister* canisterByType(Canister::LogicalCanisterId type) const;
    void addCanister(Canister::LogicalCanisterId type);
    void removeCanister(Canister::LogicalCanisterId type);

private:
    QMap<Canister::LogicalCanisterId, PhysicalCanister> m_canisters;
};
