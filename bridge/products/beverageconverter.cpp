#include "bridge/products/beverageconverter.h"

#include "bridge/products/cataloguelookup.h"
#include "bridge/utils.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/log/logformatter.h"

namespace bridge {
namespace products {

void BeverageConverter::toLea(const Beverage& beverage, lea::products::Beverages::Beverage& record)
{
    if (beverage.isJugEnabled()) {
        record.jug = lea::products::Beverages::Beverage::Jug { beverage.jugDefaultValue(),
            static_cast<uint8_t>(beverage.minNumberOfCycles()),
            static_cast<uint8_t>(beverage.maxNumberOfCycles()),
            static_cast<uint8_t>(beverage.defaultNumberOfCycles()) };
    }
    if (const Recipe* recipe = beverage.recipe(); recipe && recipe->dbId() > 0)
        record.recipe = lea::RecipeDbId(static_cast<unsigned int>(recipe->dbId()));
    if (beverage.dispensesLid())
        record.lid = utils::idFromCore<lea::ProductDbId>(beverage.lidId());
}

void BeverageConverter::toCore(const lea::products::Beverages::Beverage& record, Beverage& beverage)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    Recipe* recipe = record.recipe ? lookup::recipe(*configuration, *record.recipe) : nullptr;
    if (!recipe) {
        LogFormatter(LogLevel::Error).log(Log::Recipe)
            << Q_FUNC_INFO << "Recipe id is invalid: "
            << (record.recipe ? QString::number(record.recipe->value()) : QStringLiteral("nullopt"));
    }
    beverage.setRecipe(recipe);
    beverage.setJugEnabled(bool(record.jug));
    if (record.jug) {
        beverage.setJugDefaultValue(record.jug->defaultValue);
        beverage.setMinNumberOfCycles(record.jug->minCycles);
        beverage.setMaxNumberOfCycles(record.jug->maxCycles);
        beverage.setDefaultNumberOfCycles(record.jug->defaultCycles);
    }
}

} // namespace products
} // namespace bridge
