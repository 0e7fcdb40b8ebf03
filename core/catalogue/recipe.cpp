#include "core/catalogue/recipe.h"

#include "core/catalogue/abstractcustomizationadjustment.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"

#include <algorithm>
#include <climits>

Recipe::Recipe(QObject* parent)
    : QObject(parent)
{
}

Recipe::Recipe(const QString& name, bool hasCup, bool hasStirrer, int dripTimeCS, CupTypeEnum cupType,
    Product::CupToDropFromTurretEnum cupToDropFromTurret, bool hidden, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_hasCup(hasCup)
    , m_hasStirrer(hasStirrer)
    , m_dripTimeCS(dripTimeCS)
    , m_cupType(cupType)
    , m_cupToDropFromTurret(cupToDropFromTurret)
    , m_hidden(hidden)
{
}

Recipe::~Recipe() = default;

int Recipe::erogationTime() const
{
    qint64 total = m_dripTimeCS;
    for (const AbstractPreparationStep* step : m_steps)
        total += step->erogationTimeCS();
    // Saturated, as every step's time is.
    return int(qBound<qint64>(INT_MIN, total, INT_MAX));
}

bool Recipe::isValid() const
{
    if (m_steps.isEmpty())
        return false;
    return std::all_of(m_steps.cbegin(), m_steps.cend(), [](const AbstractPreparationStep* step) {
        return step->water().dose() > 0 || !step->ingredients().isEmpty();
    });
}

bool Recipe::isValidForLayout() const
{
    if (!isValid())
        return false;
    for (const AbstractPreparationStep* step : m_steps) {
        for (const AbstractIngredient* ingredient : step->ingredients()) {
            if (!ingredient->canister())
                return false;
        }
    }
    return true;
}

QList<const AbstractPreparationStep*> Recipe::preparationStepsConst() const
{
    QList<const AbstractPreparationStep*> result;
    result.reserve(m_steps.size());
    for (const AbstractPreparationStep* step : m_steps)
        result << step;
    return result;
}

QList<Recipe::SequenceStep> Recipe::sequence() const
{
    QList<SequenceStep> result;
    result.reserve(m_steps.size());
    for (AbstractPreparationStep* step : m_steps)
        result << SequenceStep { step };
    return result;
}

bool Recipe::addPreparationStep(AbstractPreparationStep* step, AbstractPreparationStep* previous, bool append)
{
    if (!step || m_steps.contains(step))
        return false;
    const int id = step->dbId();
    if (id >= 0 && std::any_of(m_steps.cbegin(), m_steps.cend(), [id](const AbstractPreparationStep* held) {
            return held->dbId() == id;
        }))
        return false;
    int position = append ? m_steps.size() : 0;
    if (previous) {
        const int previousPosition = m_steps.indexOf(previous);
        if (previousPosition < 0)
            return false;
        position = previousPosition + 1;
    }
    step->setParent(this);
    m_steps.insert(position, step);
    CatalogueRevision::bump();
    return true;
}

bool Recipe::deletePreparationStep(AbstractPreparationStep* step)
{
    if (!step || !m_steps.removeOne(step))
        return false;
    delete step;
    CatalogueRevision::bump();
    return true;
}

void Recipe::setPreparationSteps(QList<AbstractPreparationStep*> steps)
{
    qDeleteAll(m_steps);
    m_steps.clear();
    for (AbstractPreparationStep* step : steps) {
        if (step && !m_steps.contains(step)) {
            step->setParent(this);
            m_steps << step;
        }
    }
    CatalogueRevision::bump();
}

RecipeCustomization* Recipe::customizationByType(RecipeCustomization::CustomizationType type) const
{
    const auto it = std::find_if(m_customizations.cbegin(), m_customizations.cend(),
        [type](const RecipeCustomization* customization) { return customization->type() == type; });
    return it == m_customizations.cend() ? nullptr : *it;
}

bool Recipe::addCustomization(RecipeCustomization* customization)
{
    if (!customization || m_customizations.contains(customization))
        return false;
    customization->setParent(this);
    m_customizations << customization;
    CatalogueRevision::bump();
    return true;
}

bool Recipe::removeCustomization(RecipeCustomization* customization)
{
    if (!customization || !m_customizations.removeOne(customization))
        return false;
    // Callers may still hold these objects while they finish the operation.
    const int id = customization->dbId();
    for (AbstractCustomizationAdjustment* adjustment :
        QList<AbstractCustomizationAdjustment*>(m_adjustments)) {
        if (adjustment->customization() == customization
            || (id >= 0 && adjustment->customizationId() == id)) {
            m_adjustments.removeOne(adjustment);
            adjustment->deleteLater();
        }
    }
    customization->deleteLater();
    CatalogueRevision::bump();
    return true;
}

bool Recipe::addCustomizationAdjustment(AbstractCustomizationAdjustment* adjustment)
{
    if (!adjustment || m_adjustments.contains(adjustment))
        return false;
    adjustment->setParent(this);
    m_adjustments << adjustment;
    CatalogueRevision::bump();
    return true;
}

bool Recipe::deleteCustomizationAdjustment(AbstractCustomizationAdjustment* adjustment)
{
    if (!adjustment || !m_adjustments.removeOne(adjustment))
        return false;
    adjustment->deleteLater();
    CatalogueRevision::bump();
    return true;
}
