#include "bridge/products/beverages.h"

#include "bridge/products/beverageconverter.h"
#include "bridge/products/cataloguelookup.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/productaccessor.h"
#include "core/configuration/configuration.h"
#include "core/log/assert.h"
#include "core/selection/userselectionmanager.h"

#include <string>

namespace bridge {
namespace products {

Beverages::Beverages(QObject* parent)
    : lea::products::Beverages(parent)
{
    utils::connectToConfiguration(&Configuration::beveragesChanged, this, &lea::products::Beverages::changed);
}

nonstd::optional<Beverages::Beverage> Beverages::beverage(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const ::Beverage* core = configuration ? lookup::beverage(*configuration, id) : nullptr;
    if (!core)
        return {};
    Beverage record;
    BeverageConverter::toLea(*core, record);
    return record;
}

void Beverages::update(lea::ProductDbId id, const Beverage& beverage)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    ::Beverage* core = configuration ? lookup::beverage(*configuration, id) : nullptr;
    if (!core)
        return;
    utils::Rollback rollback(*core);
    BeverageConverter::toCore(beverage, *core);
    if (utils::FailureLog(Q_FUNC_INFO, Log::Product)
            .stored(configuration->saveBeverage(core), "Failed saving beverage", LogLevel::Warning))
        rollback.commit();
}

void Beverages::configureDispensing(const DispensingOptions& options)
{
    const UserSelectionManager* selection = gCoreEnv->userSelectionManager();
    ::Beverage* selected = selection ? selection->selectedBeverage() : nullptr;
    if (!selected)
        return;
    selected->setJugActivated(bool(options.jugCycles));
    if (options.jugCycles)
        selected->setCurrentNumberOfCycles(*options.jugCycles);
}

bool Beverages::setCurrentUsedRecipe(lea::ProductDbId, nonstd::optional<lea::RecipeDbId>)
{
    const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
    printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
    return false;
}

nonstd::optional<lea::ProductDbId> Beverages::create(const Beverage& beverage)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    ::Beverage saved;
    BeverageConverter::toCore(beverage, saved);
    if (!log.stored(configuration->saveBeverage(&saved), "Failed saving beverage", LogLevel::Warning))
        return {};
    std::unique_ptr<::Beverage> loaded = configuration->loadBeverage(saved.id());
    if (!loaded) {
        log.warning("Failed loading beverage");
        return {};
    }
    const int newId = loaded->id();
    configuration->appendLoadedProduct(std::move(loaded));
    return utils::idFromCore<lea::ProductDbId>(newId);
}

std::map<lea::ProductDbId, Beverages::Beverage> Beverages::beverages() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::map<lea::ProductDbId, Beverage> result;
    for (const ::Beverage* core : configuration->beverages()) {
        const nonstd::optional<lea::ProductDbId> id = utils::idFromCoreOpt<lea::ProductDbId>(core->id());
        if (!id || result.count(*id))
            continue;
        BeverageConverter::toLea(*core, result[*id]);
    }
    return result;
}

nonstd::optional<lea::ProductDbId> Beverages::beverageFromProduct(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const ::Beverage* beverage = ProductAccessor::beverageFromProduct(lookup::product(*configuration, id));
    return beverage ? utils::idFromCoreOpt<lea::ProductDbId>(beverage->id()) : nonstd::nullopt;
}

} // namespace products
} // namespace bridge
