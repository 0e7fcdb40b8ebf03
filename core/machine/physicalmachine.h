#pragma once

#include "core/catalogue/canister.h"

#include <QMap>
#include <QObject>

class SettingsStore;

/// The machine's physical description: the canister places it is built with,
/// and how its cup sensor works (stored under "physicalMachine/..." keys).
class PhysicalMachine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(CupSensorMode cupSensorMode READ cupSensorMode WRITE setCupSensorMode)

public:
    /// How the machine uses its cup sensor; the machine's own numbering.
    enum CupSensorMode : int {
        CupSensorMode0 = 0,
        CupSensorMode1 = 1,
        CupSensorMode2 = 2,
        CupSensorMode3 = 3,
        CupSensorMode4 = 4,
    };
    Q_ENUM(CupSensorMode)

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

    /// Changes the mode held here; Configuration::savePhysicalMachine() stores it.
    CupSensorMode cupSensorMode() const { return m_cupSensorMode; }
    void setCupSensorMode(CupSensorMode mode) { m_cupSensorMode = mode; }

    void load(const SettingsStore& store);
    /// False, with the store unchanged, when refused.
    bool save(SettingsStore& store) const;

private:
    QMap<Canister::LogicalCanisterId, PhysicalCanister> m_canisters;
    CupSensorMode m_cupSensorMode = CupSensorMode0;
};
