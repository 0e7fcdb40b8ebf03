#pragma once

#include "core/catalogue/abstractupsellingitem.h"
#include "core/catalogue/canister.h"

#include <QPointer>

/// An upselling item that adds a dose of syrup from one canister.
class SyrupUpsellingItem : public AbstractUpsellingItem
{
    Q_OBJECT
    Q_PROPERTY(int syrupValue READ syrupValue WRITE setSyrupValue)

public:
    explicit SyrupUpsellingItem(QObject* parent = nullptr);
    ~SyrupUpsellingItem() override;

    Kind kind() const override { return SyrupItem; }

    /// The logical canister the syrup is dosed from, kept when the canister is gone.
    Canister::LogicalCanisterId logicalCanisterId() const { return m_logicalCanisterId; }
    void setLogicalCanisterId(Canister::LogicalCanisterId id) { m_logicalCanisterId = id; }
    /// The canister, or null when there is none; not owned.
    Canister* canister() const { return m_canister.data(); }
    void setCanister(Canister* canister) { m_canister = canister; }
    /// The dose of syrup, in millilitres.
    int syrupValue() const { return m_syrupValue; }
    void setSyrupValue(int value) { m_syrupValue = value; }

private:
    Canister::LogicalCanisterId m_logicalCanisterId = Canister::NoIngredient;
    QPointer<Canister> m_canister;
    int m_syrupValue = 0;
};
