#include "core/catalogue/beverage.h"

#include "core/catalogue/abstractupsellingitem.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"

Beverage::Beverage(QObject* parent)
    : Product(-1, Product::Beverage, parent)
{
}

Beverage::~Beverage() = default;

QList<AbstractUpsellingItem*> Beverage::upsellings(bool onlyAvailable) const
{
    const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr;
    QList<AbstractUpsellingItem*> items;
    for (const int id : m_upsellingIds) {
        auto* item
            = configuration ? qobject_cast<AbstractUpsellingItem*>(configuration->product(id)) : nullptr;
        if (!onlyAvailable || !item || item->isAvailable())
            items << item;
    }
    return items;
}

QList<Beverage::UpsellingLayoutItem> Beverage::upsellingsLayout() const
{
    const QList<AbstractUpsellingItem*> items = upsellings(false);
    QList<UpsellingLayoutItem> layout;
    for (int i = 0; i < items.size(); ++i)
        layout << UpsellingLayoutItem { items.at(i), m_upsellingPositions.value(i, i) };
    return layout;
}

void Beverage::setUpsellingsLayout(const QList<QPair<int, int>>& itemsAndPositions)
{
    m_upsellingIds.clear();
    m_upsellingPositions.clear();
    for (const auto& [id, position] : itemsAndPositions) {
        m_upsellingIds << id;
        m_upsellingPositions << position;
    }
}
