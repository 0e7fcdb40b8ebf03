#pragma once

#include "core/catalogue/canister.h"
#include "core/catalogue/cataloguerevision.h"
#include "core/catalogue/optionaltext.h"
#include "nonstd/optional.hpp"

#include <QObject>
#include <QPointer>
#include <QString>

/// What a preparation step doses from one logical canister.
class AbstractIngredient : public QObject
{
    Q_OBJECT
    // The stored fields, so that an editor can take a copy and put it back.
    Q_PROPERTY(IngredientType type READ type WRITE setType)
    Q_PROPERTY(Canister::LogicalCanisterId logicalCanisterId READ logicalCanisterId WRITE setCanisterId)
    Q_PROPERTY(Canister* canister READ canister WRITE setCanister)
    Q_PROPERTY(int productId READ productId WRITE setProductId)
    Q_PROPERTY(int dose READ dose WRITE setDose)
    Q_PROPERTY(nonstd::optional<QString> extraText READ extraText WRITE setExtraText)

public:
    enum IngredientType : int {
        UndefinedIngredientType = 0,
        /// Needs a fresh-milk module, which this machine has not.
        FreshMilkIngredientType = 1,
        DrySugarIngredientType = 2,
        EspressoIngredientType = 3,
        InstantIngredientType = 4,
        SyrupIngredientType = 5,
    };
    Q_ENUM(IngredientType)

    ~AbstractIngredient() override;

    /// The database row id; negative until the ingredient is stored.
    int dbId() const { return m_dbId; }
    void setDbId(int id)
    {
        m_dbId = id;
        CatalogueRevision::bump();
    }

    IngredientType type() const { return m_type; }
    void setType(IngredientType type) { m_type = type; }

    /// The logical canister the ingredient is dosed from.
    Canister::LogicalCanisterId logicalCanisterId() const { return m_logicalCanisterId; }
    void setCanisterId(Canister::LogicalCanisterId id) { m_logicalCanisterId = id; }

    /// The canister assigned to the ingredient, or null; not owned.
    Canister* canister() const { return m_canister.data(); }
    void setCanister(Canister* canister) { m_canister = canister; }

    /// What the ingredient is called: its canister's product name, or, without
    /// canister (or product name), the translation key of its logical canister.
    QString name() const;

    int productId() const { return m_productId; }
    void setProductId(int id) { m_productId = id; }

    /// Grams, or millilitres for syrups.
    int dose() const { return m_dose; }
    void setDose(int dose) { m_dose = dose; }

    virtual bool canAdjustPowderDose() const { return true; }

    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

protected:
    AbstractIngredient(IngredientType type, QObject* parent);

private:
    int m_dbId = -1;
    IngredientType m_type;
    Canister::LogicalCanisterId m_logicalCanisterId = Canister::NoIngredient;
    QPointer<Canister> m_canister;
    int m_productId = -1;
    int m_dose = 0;
    nonstd::optional<QString> m_extraText;
};
