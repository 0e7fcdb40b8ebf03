#pragma once

#include "core/catalogue/canister.h"
#include "core/catalogue/nutritionalinformation.h"
#include "core/catalogue/productfilter.h"

#include <memory>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QSqlDatabase>
#include <vector>

class AbstractCustomizationAdjustment;
class AbstractUpsellingItem;
class CoffeeToGoProduct;
class Product;
class Promotion;
class Snack;
class SpecialProduct;
class PlaylistMedia;
class VideoPlaylist;
class AbstractDatabase;
class AbstractIngredient;
class AbstractPreparationStep;
class Beverage;
class Category;
class Recipe;
class RecipeCustomization;

/// Reads and writes catalogue objects in the configuration group's database.
/// Accessors create one with a parent, bind it with setDatabase(), use it for
/// one group of calls and destroy it; a configuration also owns one.
class ConfigurationLoader : public QObject
{
    Q_OBJECT

public:
    explicit ConfigurationLoader(QObject* parent = nullptr);
    ~ConfigurationLoader() override;

    void setDatabase(AbstractDatabase* database);
    AbstractDatabase* database() const { return m_database; }

    // --- Images -------------------------------------------------------------
    // Catalogue images are kept as base64 text in the "Images" table. Each load
    // returns that text, or an empty array when the object has no image.

    /// The catalogue objects that carry an image.
    enum class ImageOwner {
        Nutritional = 0,
        CanisterProduct = 1,
        Beverage = 2,
        Canister = 3,
        CupType = 4,
        Category = 5,
        ProductFilter = 6,
    };

    QByteArray loadNutritionalImage(const QString& type, int id) const;
    QByteArray loadCanisterProductImage(const QString& type, int id) const;
    QByteArray loadBeverageImage(const QString& type, int id) const;
    QByteArray loadCanisterImage(const QString& type, int id) const;
    QByteArray loadCupTypeImage(int id) const;
    QByteArray loadCategoryImage(int id) const;
    QByteArray loadProductFilterImage(int id) const;

    /// Stores or replaces the image of one object; `type` is empty for owners
    /// whose images have no type name. True on success.
    bool saveImage(ImageOwner owner, const QString& type, int id, const QByteArray& base64);

    // --- Catalogue ----------------------------------------------------------
    // Save operations insert an object whose id is negative, giving it its new
    // row id, and update the row of any other. Every write is all or nothing:
    // false leaves the database as it was.

    /// The recipe's own row; steps and customizations are stored on their own.
    bool saveRecipe(Recipe* recipe);
    /// Deletes a recipe with its step chain, its steps and their ingredients,
    /// its customization links and its adjustments; beverages that used it are
    /// saved without recipe.
    bool deleteRecipe(int recipeId);

    bool savePreparationStep(AbstractPreparationStep* step);
    /// Deletes a step and its ingredients, taking it out of every recipe's chain.
    bool deletePreparatationStep(int stepId);
    /// Links a step into a recipe's chain after `previousStepId` (-1: first);
    /// the step that followed that place now follows the new one.
    bool addStepToRecipe(int recipeId, int stepId, int previousStepId);
    /// Takes a step out of a recipe's chain; its successor then follows its
    /// predecessor. A step that is not linked needs nothing (true).
    bool removeStepFromRecipe(int recipeId, int stepId);

    /// Stores an ingredient of step `stepId`; a new one goes last in the step.
    bool saveIngredient(AbstractIngredient* ingredient, int stepId);
    bool deleteIngredient(int ingredientId);

    /// See Configuration::saveCustomization() and deleteCustomization().
    bool saveCustomization(RecipeCustomization* customization, int recipeId);
    bool deleteCustomization(int recipeId, int customizationId);
    bool saveAdjustment(AbstractCustomizationAdjustment* adjustment, int recipeId);
    bool deleteAdjustment(int adjustmentId);

    /// Every member of a canister, its level and calibration included.
    bool saveCanister(Canister* canister);
    bool saveCanisterLevel(const Canister& canister);
    bool saveCanistersCalibration(const QList<Canister*>& canisters);
    bool saveGlobalAllergens(int configurationId, const QString& allergens);

    /// Stores a category, its product list, and its image when its source is a readable local file.
    bool saveCategoryInfos(Category* category);
    bool deleteBeverageCategory(int categoryId);
    /// See Configuration::saveDisplayedCategories(). Categories that are not
    /// stored (negative id) take no position.
    bool saveDisplayedCategories(int configurationId, const QList<Category*>& categories,
        int firstLayoutValue, int secondLayoutValue, bool enabled);

    // --- Products -------------------------------------------------------------
    // Every product has its row in "Products" (one id space); a beverage also
    // its recipe link in "Beverages". An image that is a readable local file is
    // stored with the product (type "source") with its MD5 as the image hash.

    bool saveBeverage(Beverage* beverage, int configurationId);
    bool saveSnack(Snack* snack, int configurationId);
    bool saveSpecialProduct(SpecialProduct* product, int configurationId);
    bool savePromotion(Promotion* promotion, int configurationId);
    bool saveCoffeeToGo(CoffeeToGoProduct* product, int configurationId);
    /// Upselling items belong to no configuration.
    bool saveUpselling(AbstractUpsellingItem* item);
    /// Replaces the stored price table of a stored product with its own.
    bool saveProductPrice(const Product* product);

    // --- Playlists (configurationloaderplaylists.cpp) --------------------------
    // Ids of new rows are given to the objects only once everything is stored.

    /// Stores a playlist's row and its media list (new media items too).
    bool savePlaylist(VideoPlaylist* playlist);
    /// Stores every playlist of `playlists` and removes the rows and media
    /// lists of the playlists `removedIds`: all or nothing.
    bool savePlaylists(const QList<VideoPlaylist*>& playlists, const QList<int>& removedIds);
    /// Stores a media item's row and lists it at `order` in playlist `playlistId`.
    bool saveMedia(PlaylistMedia* media, int order, int playlistId);

    // Reading, for the configuration. Objects come without parent.

    struct CategoryScreen
    {
        bool enabled = false;
        int firstLayoutValue = 0;
        int secondLayoutValue = 0;
    };

    std::vector<std::unique_ptr<Canister>> loadCanisters() const;
    QString loadGlobalAllergens(int configurationId) const;
    /// In display order.
    std::vector<std::unique_ptr<Category>> loadCategories() const;
    CategoryScreen loadCategoryScreen(int configurationId) const;
    /// Every stored recipe id, ascending.
    QList<int> loadRecipeIds() const;
    /// A recipe with its steps in chain order, their ingredients bound to
    /// `canisters`, its customizations and adjustments; null when there is no such row.
    std::unique_ptr<Recipe> loadRecipe(
        int recipeId, const QMap<Canister::LogicalCanisterId, Canister*>& canisters) const;
    std::vector<std::unique_ptr<AbstractPreparationStep>> loadRecipeSteps(
        int recipeId, const QMap<Canister::LogicalCanisterId, Canister*>& canisters) const;
    /// A stored step with its ingredients, linked to a recipe or not; null when there is no such row.
    std::unique_ptr<AbstractPreparationStep> loadPreparationStep(
        int stepId, const QMap<Canister::LogicalCanisterId, Canister*>& canisters) const;
    /// Products of configuration `configurationId` (and every upselling item),
    /// in id order, bound to `recipes` and `playlists` by id, with their prices.
    std::vector<std::unique_ptr<Product>> loadProducts(
        int configurationId, const QList<Recipe*>& recipes, const QList<VideoPlaylist*>& playlists) const;
    /// One stored beverage; null when there is none.
    std::unique_ptr<Beverage> loadBeverage(int id, int configurationId, const QList<Recipe*>& recipes,
        const QList<VideoPlaylist*>& playlists) const;
    /// The stored playlists in id order, with their media items (children of
    /// `mediaOwner`, each one object however many playlists list it). False,
    /// with `playlists` empty, when they cannot be read.
    bool loadPlaylists(std::vector<std::unique_ptr<VideoPlaylist>>& playlists, QObject& mediaOwner) const;

    // --- Product filters (configurationloaderscreen.cpp) ----------------------

    /// Stores a filter's row at `position`, inserting it (and setting its id) when new.
    bool saveProductFilter(ProductFilter& filter, int position);
    /// In position order.
    QList<ProductFilter> loadProductFilters() const;

    // --- Nutrition (configurationloaderscreen.cpp) ----------------------------

    enum class NutritionalOwner {
        Canister = 0,
        Snack = 1,
    };
    /// The nutritional part of one canister or snack.
    struct NutritionalRecord
    {
        NutritionalInformationList items;
        QString image;
        /// A snack's; a canister keeps its allergens in its own row.
        QString allergens;
    };
    /// Replaces the stored record of an owner, all or nothing; on success the
    /// items carry their new row ids.
    bool saveNutritionalRecord(NutritionalOwner owner, int ownerId, NutritionalRecord& record);
    /// Every stored record, by owner type and id.
    QMap<QPair<int, int>, NutritionalRecord> loadNutritionalRecords() const;

private:
    bool saveProduct(Product* product, int configurationId);
    /// The bound connection, or an invalid one before setDatabase().
    QSqlDatabase connection() const;
    QByteArray loadImage(ImageOwner owner, const QString& type, int id) const;

    AbstractDatabase* m_database = nullptr;
};
