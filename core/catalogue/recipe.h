#pragma once

#include "core/catalogue/cataloguerevision.h"
#include "core/catalogue/nutritionalinformation.h"
#include "core/catalogue/optionaltext.h"
#include "core/catalogue/product.h"
#include "core/catalogue/recipecustomization.h"
#include "nonstd/optional.hpp"

#include <QList>
#include <QObject>
#include <QString>

class AbstractCustomizationAdjustment;
class AbstractPreparationStep;

/// How one drink is prepared: ordered preparation steps, the customizations
/// the buyer may choose and the adjustments tying them to the dosing. Steps,
/// customizations and adjustments are children of the recipe.
class Recipe : public QObject
{
    Q_OBJECT
    // The stored fields, so that an editor can take a copy and put it back.
    Q_PROPERTY(QString name READ name WRITE setName)
    Q_PROPERTY(bool hasCup READ hasCup WRITE setHasCup)
    Q_PROPERTY(bool hasStirrer READ hasStirrer WRITE setHasStirrer)
    Q_PROPERTY(int dripTimeCS READ dripTimeCS WRITE setDripTimeCS)
    Q_PROPERTY(CupTypeEnum cupType READ cupType WRITE setCupType)
    Q_PROPERTY(Product::CupToDropFromTurretEnum cupToDropFromTurret READ cupToDropFromTurret WRITE
            setCupToDropFromTurret)
    Q_PROPERTY(bool hidden READ isHidden WRITE setHidden)
    Q_PROPERTY(nonstd::optional<QString> extraText READ extraText WRITE setExtraText)

public:
    enum CupTypeEnum : int {
        StandardCup = 0,
        LargeCup = 1,
        Mug = 2,
        OwnCup = 3,
    };
    Q_ENUM(CupTypeEnum)

    /// A recipe with the core's defaults: unnamed, with cup and stirrer.
    explicit Recipe(QObject* parent = nullptr);
    /// `hidden`: kept for dispensing but not offered for editing.
    Recipe(const QString& name, bool hasCup, bool hasStirrer, int dripTimeCS, CupTypeEnum cupType,
        Product::CupToDropFromTurretEnum cupToDropFromTurret, bool hidden, QObject* parent = nullptr);
    ~Recipe() override;

    /// One stage of the dispensing sequence.
    struct SequenceStep
    {
        /// Owned by the recipe.
        AbstractPreparationStep* step = nullptr;
    };

    /// The database row id; negative until the recipe is stored.
    int dbId() const { return m_dbId; }
    void setDbId(int id)
    {
        m_dbId = id;
        CatalogueRevision::bump();
    }

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    bool hasCup() const { return m_hasCup; }
    void setHasCup(bool hasCup) { m_hasCup = hasCup; }
    bool hasStirrer() const { return m_hasStirrer; }
    void setHasStirrer(bool hasStirrer) { m_hasStirrer = hasStirrer; }
    /// Time left for the last drops after the steps, in hundredths of a second.
    int dripTimeCS() const { return m_dripTimeCS; }
    void setDripTimeCS(int dripTime) { m_dripTimeCS = dripTime; }
    CupTypeEnum cupType() const { return m_cupType; }
    void setCupType(CupTypeEnum type) { m_cupType = type; }
    Product::CupToDropFromTurretEnum cupToDropFromTurret() const { return m_cupToDropFromTurret; }
    void setCupToDropFromTurret(Product::CupToDropFromTurretEnum turret) { m_cupToDropFromTurret = turret; }
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden) { m_hidden = hidden; }

    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

    /// Dispensing time in hundredths of a second: every step's, then the drip time.
    int erogationTime() const;
    /// Has steps, and none is left without water or ingredient.
    bool isValid() const;
    /// Valid, and every ingredient has a canister of the machine's layout.
    bool isValidForLayout() const;

    QList<AbstractPreparationStep*> preparationSteps() const { return m_steps; }
    QList<const AbstractPreparationStep*> preparationStepsConst() const;
    /// What the machine dispenses, in order: one entry per step, in recipe order.
    QList<SequenceStep> sequence() const;
    /// Inserts `step` after `previous`; without `previous`, at the end when
    /// `append`, else first. Takes ownership on success. Refuses (false,
    /// ownership stays with the caller) a null step, a step whose stored id the
    /// recipe already holds, or a `previous` that is not one of its steps.
    bool addPreparationStep(AbstractPreparationStep* step, AbstractPreparationStep* previous, bool append);
    /// Removes and destroys one of the recipe's steps; the others keep their order.
    bool deletePreparationStep(AbstractPreparationStep* step);
    /// Replaces every step (used when the steps are read again from the database).
    void setPreparationSteps(QList<AbstractPreparationStep*> steps);

    QList<RecipeCustomization*> customizations() const { return m_customizations; }
    /// The first customization of that type, or null.
    RecipeCustomization* customizationByType(RecipeCustomization::CustomizationType type) const;
    /// Appends a customization and takes ownership; false (not taken) for null.
    bool addCustomization(RecipeCustomization* customization);
    /// Takes a customization, and the adjustments that refer to it, out of the
    /// recipe; they are destroyed later (with the recipe at the latest).
    bool removeCustomization(RecipeCustomization* customization);

    QList<AbstractCustomizationAdjustment*> customizationAdjustments() const { return m_adjustments; }
    /// Appends an adjustment and takes ownership; false (not taken) for null.
    bool addCustomizationAdjustment(AbstractCustomizationAdjustment* adjustment);
    /// Takes an adjustment out of the recipe; it is destroyed later (with the recipe at the latest).
    bool deleteCustomizationAdjustment(AbstractCustomizationAdjustment* adjustment);

    // --- Nutrition (recipenutrition.cpp) ------------------------------------------
    // An ingredient contributes its canister's values per gram times its dose;
    // a powder adjustment scales the dose with its customization's choice.

    /// The values of the drink, summed by name and unit in order of first
    /// appearance (each with the id of its first canister value): with every
    /// customization at its default choice with `atDefaults`, else at its current one.
    NutritionalInformationList computeNutritionalInformation(bool atDefaults) const;
    /// Keeps computeNutritionalInformation(false) as the recipe's list.
    void updateNutritionalInformation();
    /// As last updated; empty before the first update.
    NutritionalInformationList nutritionalInformationList() const { return m_nutrition; }
    /// The allergens of the ingredients' canisters, trimmed, each once.
    QList<QString> allergens() const;
    /// Every customization back at its default choice.
    void resetRecipeCustomizations();

private:
    NutritionalInformationList m_nutrition;
    int m_dbId = -1;
    QString m_name;
    bool m_hasCup = true;
    bool m_hasStirrer = true;
    int m_dripTimeCS = 0;
    CupTypeEnum m_cupType = StandardCup;
    Product::CupToDropFromTurretEnum m_cupToDropFromTurret = Product::FirstTurret;
    bool m_hidden = false;
    nonstd::optional<QString> m_extraText;
    QList<AbstractPreparationStep*> m_steps;
    QList<RecipeCustomization*> m_customizations;
    QList<AbstractCustomizationAdjustment*> m_adjustments;
};
