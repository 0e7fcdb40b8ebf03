// The catalogue part of Configuration: the loaded object model and the
// operations that keep it and the database in step.

#include "core/catalogue/abstractcustomizationadjustment.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/abstractupsellingitem.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/cataloguerevision.h"
#include "core/catalogue/category.h"
#include "core/catalogue/coffeetogoproduct.h"
#include "core/catalogue/product.h"
#include "core/catalogue/promotion.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/snack.h"
#include "core/catalogue/syrupupsellingitem.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/catalogueindex.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/playlistsettings.h"
#include "core/configuration/translationsmanager.h"
#include "core/log/logformatter.h"

#include <algorithm>
#include <QPointer>

void Configuration::loadCatalogue()
{
    // Lets the change signals travel through queued connections and signal spies.
    qRegisterMetaType<QList<Recipe*>>();
    qRegisterMetaType<QList<Category*>>();
    qRegisterMetaType<QList<Beverage*>>();

    // Texts are part of what the configuration shows: they come from the database too.
    if (TranslationsManager* translations = m_group.translationsManager())
        translations->reload();

    for (std::unique_ptr<Canister>& canister : m_loader->loadCanisters()) {
        const Canister::LogicalCanisterId logicalId = canister->logicalCanisterId();
        if (m_canisters.contains(logicalId))
            continue;
        canister->setParent(this);
        m_canisters.insert(logicalId, canister.release());
    }
    m_globalAllergens = m_loader->loadGlobalAllergens(m_id);
    loadCategories();

    for (const int id : m_loader->loadRecipeIds()) {
        if (std::unique_ptr<Recipe> recipe = m_loader->loadRecipe(id, m_canisters)) {
            recipe->setParent(this);
            m_recipes << recipe.release();
        }
    }
    m_playlistSettings->init();
    for (std::unique_ptr<Product>& product : m_loader->loadProducts(m_id, m_recipes, playlists())) {
        product->setParent(this);
        m_products << product.release();
    }
    attachNutrition();
    bindSyrupCanisters();
    m_productFilters = m_loader->loadProductFilters();
    CatalogueRevision::bump();
}

void Configuration::attachNutrition()
{
    using Owner = ConfigurationLoader::NutritionalOwner;
    const auto records = m_loader->loadNutritionalRecords();
    for (Canister* canister : qAsConst(m_canisters)) {
        const auto record = records.value({ int(Owner::Canister), canister->id() });
        canister->setNutritionalInformationList(record.items);
        canister->setNutritionalImage(QUrl(record.image));
    }
    for (Product* product : qAsConst(m_products)) {
        if (auto* snack = qobject_cast<Snack*>(product)) {
            const auto record = records.value({ int(Owner::Snack), snack->id() });
            snack->setNutritionalInformationList(record.items);
            snack->setAllergens(record.allergens);
        }
    }
}

void Configuration::bindSyrupCanisters()
{
    for (Product* product : qAsConst(m_products)) {
        if (auto* syrup = qobject_cast<SyrupUpsellingItem*>(product))
            syrup->setCanister(m_canisters.value(syrup->logicalCanisterId()));
    }
}

// --- Recipes -------------------------------------------------------------------

Recipe* Configuration::recipe(int id) const
{
    return m_index->recipe(id);
}

AbstractPreparationStep* Configuration::preparationStep(int id) const
{
    return m_index->preparationStep(id);
}

AbstractIngredient* Configuration::ingredient(int id) const
{
    return m_index->ingredient(id);
}

RecipeCustomization* Configuration::customization(int id) const
{
    return m_index->customization(id);
}

AbstractCustomizationAdjustment* Configuration::adjustment(int id) const
{
    return m_index->adjustment(id);
}

Canister* Configuration::canisterById(int id) const
{
    return m_index->canister(id);
}

Category* Configuration::category(int id) const
{
    return m_index->category(id);
}

std::unique_ptr<Recipe> Configuration::loadAndFillRecipe(int id) const
{
    return m_loader->loadRecipe(id, m_canisters);
}

Recipe* Configuration::appendLoadedRecipe(std::unique_ptr<Recipe> recipe)
{
    if (!recipe)
        return nullptr;
    Recipe* appended = recipe.release();
    appended->setParent(this);
    m_recipes << appended;
    CatalogueRevision::bump();
    emit recipesChanged(m_recipes);
    return appended;
}

void Configuration::removeLoadedRecipe(Recipe* recipe)
{
    if (!m_recipes.removeOne(recipe))
        return;
    CatalogueRevision::bump();
    emit recipesChanged(m_recipes);
}

bool Configuration::reloadRecipeSteps(Recipe* recipe)
{
    if (!recipe || !m_recipes.contains(recipe))
        return false;
    QList<AbstractPreparationStep*> steps;
    for (std::unique_ptr<AbstractPreparationStep>& step :
        m_loader->loadRecipeSteps(recipe->dbId(), m_canisters))
        steps << step.release();
    recipe->setPreparationSteps(steps);
    emit recipesChanged(m_recipes);
    return true;
}

QList<AbstractIngredient*> Configuration::allIngredients() const
{
    QList<AbstractIngredient*> ingredients;
    for (const Recipe* recipe : m_recipes) {
        for (const AbstractPreparationStep* step : recipe->preparationSteps())
            ingredients << step->ingredients();
    }
    return ingredients;
}

QList<RecipeCustomization*> Configuration::allCustomizations() const
{
    QList<RecipeCustomization*> customizations;
    for (const Recipe* recipe : m_recipes)
        customizations << recipe->customizations();
    return customizations;
}

bool Configuration::saveCustomization(RecipeCustomization* customization, int recipeId)
{
    return m_loader->saveCustomization(customization, recipeId);
}

bool Configuration::deleteCustomization(int recipeId, int customizationId)
{
    return m_loader->deleteCustomization(recipeId, customizationId);
}

bool Configuration::saveAdjustment(AbstractCustomizationAdjustment* adjustment, int recipeId)
{
    return m_loader->saveAdjustment(adjustment, recipeId);
}

bool Configuration::deleteAdjustment(int adjustmentId)
{
    return m_loader->deleteAdjustment(adjustmentId);
}

// --- Categories ----------------------------------------------------------------

QList<Category*> Configuration::getAllCategories(bool own) const
{
    if (own)
        return m_categories;
    QList<Category*> copies;
    for (const Category* category : m_categories)
        copies << category->clone().release();
    return copies;
}

bool Configuration::saveCategoryInfos(Category* category)
{
    return m_loader->saveCategoryInfos(category);
}

bool Configuration::saveDisplayedCategories(int configurationId, const QList<Category*>& categories,
    int firstLayoutValue, int secondLayoutValue, bool enabled)
{
    return m_loader->saveDisplayedCategories(
        configurationId, categories, firstLayoutValue, secondLayoutValue, enabled);
}

void Configuration::loadCategories()
{
    const QList<Category*> previous = m_categories;
    m_categories.clear();
    for (std::unique_ptr<Category>& category : m_loader->loadCategories()) {
        category->setParent(this);
        m_categories << category.release();
    }
    const ConfigurationLoader::CategoryScreen screen = m_loader->loadCategoryScreen(m_id);
    m_categoryScreenEnabled = screen.enabled;
    m_categoryFirstLayoutValue = screen.firstLayoutValue;
    m_categorySecondLayoutValue = screen.secondLayoutValue;
    CatalogueRevision::bump();
    // Callers may still hold the previous objects until they return.
    for (Category* category : previous)
        category->deleteLater();
}

void Configuration::loadBeverageCategories()
{
    loadCategories();
    // The used products follow the displayed categories. A slot may replace this configuration.
    const QPointer<Configuration> self(this);
    emit categoriesChanged(m_categories);
    if (self)
        emit usedProductsChanged();
}

Category* Configuration::appendLoadedCategory(std::unique_ptr<Category> category)
{
    if (!category)
        return nullptr;
    Category* appended = category.release();
    appended->setParent(this);
    m_categories << appended;
    CatalogueRevision::bump();
    emit categoriesChanged(m_categories);
    return appended;
}

// --- Products ------------------------------------------------------------------

Product* Configuration::product(int id) const
{
    return m_index->product(id);
}

Snack* Configuration::snackFromPlanogramId(int planogramId) const
{
    for (Product* product : m_products) {
        auto* snack = qobject_cast<Snack*>(product);
        if (snack && snack->snackNumber() == planogramId)
            return snack;
    }
    return nullptr;
}

QList<Product*> Configuration::usedProducts() const
{
    QList<Product*> used;
    for (const Category* category : m_categories) {
        if (!category->isDisplayed())
            continue;
        for (const int id : category->productIds()) {
            Product* product = this->product(id);
            if (product && !used.contains(product))
                used << product;
        }
    }
    return used;
}

QList<AbstractUpsellingItem*> Configuration::upsellings() const
{
    QList<AbstractUpsellingItem*> items;
    for (Product* product : m_products) {
        if (auto* item = qobject_cast<AbstractUpsellingItem*>(product))
            items << item;
    }
    return items;
}

Promotion* Configuration::promotion(int productId) const
{
    return qobject_cast<Promotion*>(product(productId));
}

CoffeeToGoProduct* Configuration::coffeeToGo(int productId) const
{
    return qobject_cast<CoffeeToGoProduct*>(product(productId));
}

QList<Beverage*> Configuration::beverages() const
{
    QList<Beverage*> beverages;
    for (Product* product : m_products) {
        if (auto* beverage = qobject_cast<Beverage*>(product))
            beverages << beverage;
    }
    return beverages;
}

Beverage* Configuration::beverage(int productId) const
{
    return m_index->beverage(productId);
}

bool Configuration::saveProductPrice(Product* product)
{
    return m_loader->saveProductPrice(product);
}

bool Configuration::saveBeverage(Beverage* beverage)
{
    return m_loader->saveBeverage(beverage, m_id);
}

std::unique_ptr<Beverage> Configuration::loadBeverage(int id) const
{
    return m_loader->loadBeverage(id, m_id, m_recipes, playlists());
}

Product* Configuration::appendLoadedProduct(std::unique_ptr<Product> product)
{
    if (!product)
        return nullptr;
    Product* appended = product.release();
    appended->setParent(this);
    const auto position = std::upper_bound(m_products.begin(), m_products.end(), appended,
        [](const Product* a, const Product* b) { return a->id() < b->id(); });
    m_products.insert(position, appended);
    appended->setBandInForce(m_bandInForce);
    CatalogueRevision::bump();
    if (qobject_cast<Beverage*>(appended))
        emit beveragesChanged(beverages());
    emit usedProductsChanged();
    return appended;
}

void Configuration::updateProductFailures(const QList<int>& activeFailures)
{
    for (Product* product : m_products)
        product->updateFailures(activeFailures);
}

QList<VideoPlaylist*> Configuration::playlists() const
{
    return m_playlistSettings->playlists();
}

VideoPlaylist* Configuration::playlistForId(int id) const
{
    return m_playlistSettings->playlistForId(id);
}

bool Configuration::savePlaylist(VideoPlaylist* playlist)
{
    return m_loader->savePlaylist(playlist);
}

bool Configuration::saveMedia(PlaylistMedia* media, int order, int playlistId)
{
    return m_loader->saveMedia(media, order, playlistId);
}
