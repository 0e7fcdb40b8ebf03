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
