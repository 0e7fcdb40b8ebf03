#pragma once

#include "core/catalogue/canister.h"
#include "core/catalogue/productfilter.h"
#include "core/configuration/cleaningsettings.h"
#include "core/configuration/configurationinformation.h"
#include "core/configuration/cupdispensersettings.h"
#include "core/configuration/energysavingsettings.h"
#include "core/configuration/espressosettings.h"
#include "core/configuration/generalsettings.h"
#include "core/configuration/instantsettings.h"
#include "core/configuration/machinesettings.h"
#include "core/configuration/paymentsettings.h"
#include "core/configuration/televendsettings.h"
#include "core/hardware/inputsoutputs.h"
#include "core/machine/physicalmachine.h"

#include <memory>
#include <QList>
#include <QMap>
#include <QObject>

class AbstractCustomizationAdjustment;
class AbstractIngredient;
class AbstractPreparationStep;
class AbstractUpsellingItem;
class Beverage;
class CoffeeToGoProduct;
class Promotion;
class Product;
class Pump;
class Snack;
namespace quickselection {
class QuickSelectionManager;
} // namespace quickselection
class PlaylistMedia;
class PlaylistSettings;
class VideoPlaylist;
class DirectSelectionSettings;
class DisplayDisabledModes;
class SpeakerSetup;
class ScreenSaverSettings;
class CatalogueIndex;
class Category;
class ConfigurationGroup;
class ConfigurationLoader;
class DSTGeneralSettings;
class FeedSettings;
namespace webview {
class WebViews;
} // namespace webview
class Recipe;
class RecipeCustomization;

/// The loaded configuration: the object model of the catalogue and the
/// settings, built from the active configuration group.
class NewDigitalSettings;
class TelevendSettings;

class Configuration : public QObject
{
    Q_OBJECT

public:
    /// The id of the one configuration a group holds.
    static constexpr int GroupConfigurationId = 1;

    explicit Configuration(ConfigurationGroup& group, QObject* parent = nullptr);
    ~Configuration() override;

    ConfigurationGroup& group() const { return m_group; }
    /// The loader bound to the group's database, owned by this configuration.
    ConfigurationLoader* loader() const { return m_loader; }

    bool endLineTestEnabled() const { return m_endLineTestEnabled; }
    /// Stores the flag; false, with the flag unchanged, when the store refuses.
    bool setEndLineTestEnabled(bool enabled);

    /// The machine is built with a second cup turret.
    /// The payment settings: payment types, time band switches, payment switches.
    PaymentSettings* paymentSettings() const { return m_paymentSettings; }
    /// Stores the payment settings as they are now; false, with nothing
    /// stored, when refused. The products' prices in force follow the saved
    /// switches and the machine clock.
    bool savePaymentSettings();
    /// The energy-saving settings; setters change them in memory only.
    EnergySavingSettings* energySavingSettings() const { return m_energySavingSettings; }
    /// Stores the energy-saving settings as they are now; false, with nothing
    /// stored, when refused. energySavingSettingsChanged() follows a save.
    bool saveEnergySavingSettings();
    /// The general settings, each stored as soon as it is set.
    GeneralSettings* generalSettings() const { return m_generalSettings; }
    bool hasSecondCupTurret() const { return m_hasSecondCupTurret; }
    /// The telemetry services' settings, each stored as soon as it is set.
    TelevendSettings* televendSettings() const { return m_televendSettings; }
    NewDigitalSettings* newDigitalSettings() const { return m_newDigitalSettings; }
    /// Stores the NewDigital settings as they are now; false, with nothing stored, when refused.
    bool saveNewDigitalSettings();
    /// The machine's offset from UTC in whole hours, without the summer hour.
    int timeZoneOffset() const { return m_timeZoneOffset; }
    /// Stores the offset; false, with it unchanged, when the store refuses.
    bool setTimeZoneOffset(int hours);
    DSTGeneralSettings* dstGeneralSettings() const { return m_dstGeneralSettings; }
    /// The news band: RSS feeds or fixed texts, stored through NewsFeeds::save().
    FeedSettings* feedSettings() const { return m_feedSettings; }
    webview::WebViews* webViews() const { return m_webViews; }
    const ConfigurationInformation& information() const { return m_information; }
    void setInformation(const ConfigurationInformation& information) { m_information = information; }
    void setHasSecondCupTurret(bool hasSecondCupTurret) { m_hasSecondCupTurret = hasSecondCupTurret; }
    /// The number of cups the first (`first`) or second turret holds, read
    /// from "cups/firstTurretCapacity" and "cups/secondTurretCapacity".
    int maximumQuantityCupInTurretN(bool first) const { return m_turretCapacity[first ? 0 : 1]; }

    // --- Catalogue --------------------------------------------------------------
    // The objects are children of the configuration. Save and delete operations
    // write through the configuration's loader; each returns false, with the
    // database unchanged, on failure.

    /// The database id of this configuration, under which its settings are stored.
    int id() const { return m_id; }

    QList<Recipe*> recipes() const { return m_recipes; }

    // Look-ups by database id in the loaded catalogue: the first object with
    // that id in catalogue order, or null. Each costs a hash look-up.

    Recipe* recipe(int id) const;
    AbstractPreparationStep* preparationStep(int id) const;
    AbstractIngredient* ingredient(int id) const;
    RecipeCustomization* customization(int id) const;
    AbstractCustomizationAdjustment* adjustment(int id) const;
    Canister* canisterById(int id) const;
    Category* category(int id) const;

    /// A recipe read from the database, with its steps, customizations and
    /// adjustments; not part of the configuration. Null when there is no such row.
    std::unique_ptr<Recipe> loadAndFillRecipe(int id) const;
    /// Adds a recipe to the loaded ones (and takes it); emits recipesChanged.
    Recipe* appendLoadedRecipe(std::unique_ptr<Recipe> recipe);
    /// Takes a recipe out of the loaded ones; emits recipesChanged. The object
    /// stays a child of the configuration, so it may be deleteLater()'d or
    /// deleted by the caller, or goes with the configuration.
    void removeLoadedRecipe(Recipe* recipe);
    /// Reads the recipe's step chain again from the database; emits recipesChanged.
    bool reloadRecipeSteps(Recipe* recipe);
    /// Every ingredient of every loaded recipe, in recipe and step order.
    QList<AbstractIngredient*> allIngredients() const;
    /// Every customization of every loaded recipe, in recipe order.
    QList<RecipeCustomization*> allCustomizations() const;

    /// Stores a customization's row (inserting it when new) and, for a
    /// recipe id of 0 or more, links it at the end of that recipe's list.
    bool saveCustomization(RecipeCustomization* customization, int recipeId);
    /// Unlinks a customization from a recipe, with the recipe's adjustments
    /// that refer to it; the row goes with its last link.
    bool deleteCustomization(int recipeId, int customizationId);
    bool saveAdjustment(AbstractCustomizationAdjustment* adjustment, int recipeId);
    bool deleteAdjustment(int adjustmentId);

    /// The canisters by logical id (ascending).
    QMap<Canister::LogicalCanisterId, Canister*> canisters() const { return m_canisters; }
    Canister* canisterByType(Canister::LogicalCanisterId id) const { return m_canisters.value(id); }
    /// Allergens common to every product, comma-separated.
    QString globalAllergens() const { return m_globalAllergens; }
    /// The canister places the machine is built with.
    PhysicalMachine* physicalMachine() const { return m_physicalMachine; }

    /// The categories in display order: with `own`, the configuration's own
    /// objects; otherwise copies that the caller deletes.
    QList<Category*> getAllCategories(bool own) const;
    /// Stores a category's row, inserting it (and setting its id) when new.
    bool saveCategoryInfos(Category* category);
    /// Stores the order of `categories` as the display order, their displayed
    /// flags, and the category screen settings of configuration `configurationId`.
    bool saveDisplayedCategories(int configurationId, const QList<Category*>& categories,
        int firstLayoutValue, int secondLayoutValue, bool enabled);
    /// Reads the categories and the category screen settings again; emits categoriesChanged.
    void loadBeverageCategories();
    /// Adds a category to the loaded ones (and takes it) without storing it, as
    /// for a category the database does not keep; emits categoriesChanged. The
    /// next loadBeverageCategories() drops it.
    Category* appendLoadedCategory(std::unique_ptr<Category> category);
    bool categoryScreenEnabled() const { return m_categoryScreenEnabled; }
    int categoryFirstLayoutValue() const { return m_categoryFirstLayoutValue; }
    int categorySecondLayoutValue() const { return m_categorySecondLayoutValue; }

    // --- Products ---------------------------------------------------------------

    /// Every loaded product, beverages included, in id order.
    QList<Product*> products() const { return m_products; }
    /// The loaded product with that id, or null.
    Product* product(int id) const;
    Product* productFromDbId(int id) const { return product(id); }
    /// The products the displayed categories show, in display order, each once.
    QList<Product*> usedProducts() const;
    QList<Beverage*> beverages() const;
    /// The loaded upselling items, in id order.
    QList<AbstractUpsellingItem*> upsellings() const;
    /// The loaded promotion with that product id, or null.
    Promotion* promotion(int productId) const;
    /// The loaded coffee-to-go product with that product id, or null.
    CoffeeToGoProduct* coffeeToGo(int productId) const;
    /// The loaded beverage with that product id, or null.
    Beverage* beverage(int productId) const;
    bool saveBeverage(Beverage* beverage);
    Beverage* beverageFromDbId(int id) const { return beverage(id); }
    /// The snack in the snack module's spiral `planogramId`, or null.
    Snack* snackFromPlanogramId(int planogramId) const;
    quickselection::QuickSelectionManager* quickSelectionManager() const { return m_quickSelection; }
    /// A beverage read from the database, not part of the configuration; null when there is none.
    std::unique_ptr<Beverage> loadBeverage(int id) const;
    /// Adds a product to the loaded ones (and takes it); emits beveragesChanged
    /// for a beverage, and usedProductsChanged.
    Product* appendLoadedProduct(std::unique_ptr<Product> product);
    /// Stores the product's price table, all of it or nothing.
    bool saveProductPrice(Product* product);
    /// Reflects the machine's active failures in every product's availability.
    void updateProductFailures(const QList<int>& activeFailures);

    /// The filters of the selection screen, in display order.
    QList<ProductFilter> productFilters() const { return m_productFilters; }

    QList<VideoPlaylist*> playlists() const;
    /// The loaded playlist with that id, or null (also for a negative id).
    VideoPlaylist* playlistForId(int id) const;
    /// Stores a playlist's row and media list; false, with nothing stored, on failure.
    bool savePlaylist(VideoPlaylist* playlist);
    /// Stores a media item and lists it at `order` in playlist `playlistId`;
    /// false, with nothing stored, on failure.
    bool saveMedia(PlaylistMedia* media, int order, int playlistId);
    /// The loaded playlists, their additions, removals and reloads.
    PlaylistSettings* playlistSettings() const { return m_playlistSettings; }
    ScreenSaverSettings* screenSaverSettings() const { return m_screenSaverSettings; }
    /// Stores the screen saver settings as they are now, then announces their
    /// changes; false, with nothing stored, when refused.
    bool saveGeneralSettings();

    /// The inactivity and warning cleanings, and the announcements of cleaning saves.
    CleaningSettings* cleaningSettings() const { return m_cleaningSettings; }

    /// The machine settings; setters change them in memory only.
    MachineSettings* machineSettings() const { return m_machineSettings; }
    EspressoSettings* espressoSettings() const { return m_espressoSettings; }
    InstantSettings* instantSettings() const { return m_instantSettings; }
    /// Stores the machine, espresso and instant settings as they are now, all
    /// or nothing; false, with nothing stored, when refused.
    bool saveMachineSettings();
    /// The cup dispenser timings; setters change them in memory only.
    CupDispenserSettings* cupDispenserSettings() const { return m_cupDispenserSettings; }
    DirectSelectionSettings* directSelectionSettings() const { return m_directSelectionSettings; }
    DisplayDisabledModes* displayDisabledModes() const { return m_displayDisabledModes; }
    SpeakerSetup* speakerSetup() const { return m_speakerSetup; }
    /// Stores the cup dispenser timings as they are now; false, with nothing stored, when refused.
    bool saveCupDispenserSettings();
    /// Stores the physical machine's settings as they are now; false, with nothing stored, when refused.
    bool savePhysicalMachine();

    // --- Boilers -----------------------------------------------------------------
    // The boilers the machine is built with, read from "boilers/..." keys.

    bool isEspressoBoilerAvailable() const { return m_espressoBoilerAvailable; }
    bool isInstantBoilerAvailable() const { return m_instantBoilerAvailable; }
    bool isSteamBoilerAvailable() const { return m_steamBoilerAvailable; }
    /// The espresso boiler also heats the water of instant drinks.
    bool isEspressoBoilerForInstantAvailable() const { return m_espressoBoilerForInstantAvailable; }

    // --- Pumps ------------------------------------------------------------------
    // The layout (which logical pump each physical pump serves) is the machine's,
    // stored under "pumps/layout"; each pump's calibration under "pumps/<number>".

    /// The physical pumps by number.
    QMap<int, Pump*> pumps() const { return m_pumps; }
    /// The first physical pump serving `id`, or null.
    Pump* pump(InputsOutputs::LogicalPumpId id) const;
    /// Stores the pump's calibration; false, with nothing stored, when refused.
    bool savePump(Pump* pump);
    /// Stores the calibration of every pump given: all or nothing.
    bool savePumps(const QList<Pump*>& pumps);

signals:
    void usedProductsChanged();
    void endLineTestEnabledChanged(bool enabled);
    void timeZoneOffsetChanged();
    void recipesChanged(const QList<Recipe*>& recipes);
    void categoriesChanged(QList<Category*> categories);
    void beveragesChanged(const QList<Beverage*>& beverages);
    /// A save of the machine settings changed a boiler temperature or boost setting.
    void boilerParametersSettingsChanged();
    void energySavingSettingsChanged();
    /// The playlists were stored or read again.
    void playlistsChanged();

private:
    ConfigurationGroup& m_group;
    ConfigurationLoader* m_loader;
    bool m_endLineTestEnabled = false;
    bool m_hasSecondCupTurret = false;
    int m_turretCapacity[2] = { 0, 0 };
    PaymentSettings* m_paymentSettings = new PaymentSettings(this);
    EnergySavingSettings* m_energySavingSettings = new EnergySavingSettings(this);
    DirectSelectionSettings* m_directSelectionSettings;
    DisplayDisabledModes* m_displayDisabledModes;
    SpeakerSetup* m_speakerSetup;
    GeneralSettings* m_generalSettings;
    TelevendSettings* m_televendSettings;
    NewDigitalSettings* m_newDigitalSettings;
    DSTGeneralSettings* m_dstGeneralSettings;
    int m_timeZoneOffset;
    ConfigurationInformation m_information;

    void loadCatalogue();
    static QString timeZoneOffsetKey();
    /// Gives the loaded canisters and snacks their stored nutritional records.
    void attachNutrition();
    /// Gives each syrup upselling item the canister of its logical id.
    void bindSyrupCanisters();
    void loadCategories();
    /// Gives every product the time band in force now.
    void updateBandInForce();
    void loadPumps();

    // A configuration group holds one configuration.
    int m_id = GroupConfigurationId;
    QList<Recipe*> m_recipes;
    QMap<Canister::LogicalCanisterId, Canister*> m_canisters;
    QString m_globalAllergens;
    QList<Category*> m_categories;
    bool m_categoryScreenEnabled = false;
    int m_categoryFirstLayoutValue = 0;
    int m_categorySecondLayoutValue = 0;
    QList<Product*> m_products;
    int m_bandInForce = 0;
    PlaylistSettings* m_playlistSettings = nullptr;
    QList<ProductFilter> m_productFilters;
    ScreenSaverSettings* m_screenSaverSettings;
    PhysicalMachine* m_physicalMachine = new PhysicalMachine(this);
    std::unique_ptr<CatalogueIndex> m_index;
    quickselection::QuickSelectionManager* m_quickSelection;
    QMap<int, Pump*> m_pumps;
    MachineSettings* m_machineSettings = new MachineSettings(this);
    CleaningSettings* m_cleaningSettings = new CleaningSettings(this);
    CupDispenserSettings* m_cupDispenserSettings = new CupDispenserSettings(this);
    EspressoSettings* m_espressoSettings = new EspressoSettings(this);
    InstantSettings* m_instantSettings = new InstantSettings(this);
    /// The boiler settings as last stored, to tell when a save changes them.
    QJsonObject m_storedBoilerParameters;
    QJsonObject boilerParameters() const;
    bool m_espressoBoilerAvailable = true;
    bool m_instantBoilerAvailable = true;
    bool m_steamBoilerAvailable = false;
    bool m_espressoBoilerForInstantAvailable = false;
    FeedSettings* m_feedSettings = nullptr;
    webview::WebViews* m_webViews = nullptr;
};
