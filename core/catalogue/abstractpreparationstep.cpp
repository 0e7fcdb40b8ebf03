#include "core/catalogue/abstractpreparationstep.h"

#include "core/catalogue/abstractingredient.h"

#include <algorithm>
#include <climits>

namespace {
// The flow of the machine's pumps at full speed.
constexpr int kMillilitresPerSecond = 10;
} // namespace

AbstractPreparationStep::AbstractPreparationStep(PreparationStepType type, QObject* parent)
    : QObject(parent)
    , m_type(type)
{
}

AbstractPreparationStep::~AbstractPreparationStep() = default;

QString AbstractPreparationStep::doseUnityToString(int unit)
{
    switch (unit) {
    case Millilitres:
        return QStringLiteral("ml");
    case FlowmeterPulses:
        return QStringLiteral("pulses");
    default:
        return QString();
    }
}

int AbstractPreparationStep::erogationTimeCS() const
{
    // In 64 bits, saturated: doses and delays may be as large as an int holds.
    const qint64 time = qint64(m_startDelayCS) + qint64(waterVolume_ml()) * 100 / kMillilitresPerSecond;
    return int(qBound<qint64>(INT_MIN, time, INT_MAX));
}

QList<const AbstractIngredient*> AbstractPreparationStep::ingredientsConst() const
{
    QList<const AbstractIngredient*> result;
    result.reserve(m_ingredients.size());
    for (const AbstractIngredient* ingredient : m_ingredients)
        result << ingredient;
    return result;
}

bool AbstractPreparationStep::addIngredient(AbstractIngredient* ingredient)
{
    if (!ingredient || m_ingredients.contains(ingredient))
        return false;
    const int id = ingredient->dbId();
    if (id >= 0
        && std::any_of(m_ingredients.cbegin(), m_ingredients.cend(),
            [id](const AbstractIngredient* held) { return held->dbId() == id; }))
        return false;
    ingredient->setParent(this);
    m_ingredients << ingredient;
    CatalogueRevision::bump();
    return true;
}

bool AbstractPreparationStep::deleteIngredient(int position)
{
    if (position < 0 || position >= m_ingredients.size())
        return false;
    delete m_ingredients.takeAt(position);
    CatalogueRevision::bump();
    return true;
}
