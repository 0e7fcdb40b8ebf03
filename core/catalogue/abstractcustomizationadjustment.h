#pragma once

#include "core/catalogue/cataloguerevision.h"
#include "core/catalogue/optionaltext.h"
#include "core/catalogue/recipecustomization.h"
#include "nonstd/optional.hpp"

#include <QObject>
#include <QPointer>
#include <QString>

/// Ties a customization's choices to a recipe's dosing.
class AbstractCustomizationAdjustment : public QObject
{
    Q_OBJECT
    Q_PROPERTY(nonstd::optional<QString> extraText READ extraText WRITE setExtraText)

public:
    enum AdjustmentType : int {
        NoAdjustment = 0,
        PowderDosage = 1,
        WaterDosage = 2,
        TotalQuantity = 3,
    };

    ~AbstractCustomizationAdjustment() override;

    /// The database row id; negative until the adjustment is stored.
    int dbId() const { return m_dbId; }
    void setDbId(int id)
    {
        m_dbId = id;
        CatalogueRevision::bump();
    }

    AdjustmentType type() const { return m_type; }

    /// The customization adjusted by, or null once it is gone; not owned.
    const RecipeCustomization* customization() const { return m_customization.data(); }
    /// The database id of that customization, kept when the object is gone.
    int customizationId() const { return m_customizationId; }

    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

protected:
    AbstractCustomizationAdjustment(
        AdjustmentType type, const RecipeCustomization* customization, QObject* parent);

private:
    int m_dbId = -1;
    AdjustmentType m_type;
    QPointer<const RecipeCustomization> m_customization;
    int m_customizationId;
    nonstd::optional<QString> m_extraText;
};
