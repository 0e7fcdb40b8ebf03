#include "bridge/localimagestore.h"
#include "bridge/products/beverages.h"
#include "bridge/products/productconverter.h"
#include "bridge/products/products.h"
#include "core/catalogue/abstractupsellingitem.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/category.h"
#include "core/catalogue/coffeetogoproduct.h"
#include "core/catalogue/cupproduct.h"
#include "core/catalogue/promotion.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/snack.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/translationsmanager.h"
#include "core/machine/failurecommonlist.h"
#include "core/machine/machine.h"
#include "core/selection/userselectionmanager.h"
#include "lea/maintenance/failures.h"
#include "products/records.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"
#include "support/images.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QSignalSpy>

namespace {

using Lea = lea::products::Products;
using LeaBeverages = lea::products::Beverages;
using Id = lea::ProductDbId;

Id productId(int id)
{
    return Id(unsigned(id));
}

// The test catalogue's three beverages, with one product of every other kind:
// a snack (not displayed), a special product, a promotion, a coffee-to-go
// product, a lid (an upselling item), and a playlist.
class ProductsTest : public AccessorTest<Lea, bridge::products::Products>
{
protected:
    void SetUp() override
    {
        AccessorTest::SetUp();
        ConfigurationLoader& store = loader();
        VideoPlaylist playlist;
        playlist.setName(QStringLiteral("Morning"));
        ASSERT_TRUE(store.savePlaylist(&playlist));
        playlistId = playlist.id();

        AbstractUpsellingItem lidItem;
        lidItem.setName(QStringLiteral("Lid"));
        ASSERT_TRUE(store.saveUpselling(&lidItem));
        lid = lidItem.id();
        Snack snackProduct;
        snackProduct.setName(QStringLiteral("Crisps"));
        snackProduct.setDisplayed(false);
        snackProduct.setSnackNumber(12);
        snackProduct.setProductAttributeRole(Product::Vegan | 0x400);
        ASSERT_TRUE(store.saveSnack(&snackProduct, configuration().id()));
        snack = snackProduct.id();
        SpecialProduct specialProduct;
        specialProduct.setName(QStringLiteral("Hot water"));
        specialProduct.setCupToDropFromTurret(Product::SecondTurret);
        specialProduct.setItemNumber(7);
        ASSERT_TRUE(store.saveSpecialProduct(&specialProduct, configuration().id()));
        special = specialProduct.id();
        CoffeeToGoProduct toGo;
        toGo.setName(QStringLiteral("Large to go"));
        toGo.setCoffeeToGoNumber(3);
        ASSERT_TRUE(store.saveCoffeeToGo(&toGo, configuration().id()));
        coffeeToGo = toGo.id();

        Beverage* espresso = configuration().beverage(ids.espressoBeverage);
        espresso->setJugEnabled(true);
        espresso->setMinNumberOfCycles(2);
        espresso->setMaxNumberOfCycles(300); // one byte keeps 44
        espresso->setDefaultNumberOfCycles(3);
        espresso->setLidId(lid);
        espresso->setUpsellingEnabled(true);
        espresso->setUpsellingIds({ lid, 9999 });
        espresso->setBlockingFailures({ FailureCommonList::CloggedWaterFilter });
        ASSERT_TRUE(store.saveBeverage(espresso, configuration().id()));

        TranslationsManager& translations = *machine().core().configurationGroup()->translationsManager();
        translations.addTranslation(
            QStringLiteral("Crisps"), TypedString::SnackName, QLocale::German, QStringLiteral("Chips"));
        ASSERT_TRUE(translations.save());
        reload();
        beverages = createAccessor<LeaBeverages, bridge::products::Beverages>();
        clearLog();
    }

    void TearDown() override
    {
        beverages.reset();
        AccessorTest::TearDown();
    }

    template <class Map> static std::vector<unsigned> keys(const Map& map)
    {
        std::vector<unsigned> result;
        for (const auto& entry : map)
            result.push_back(entry.first.value());
        return result;
    }

    std::unique_ptr<bridge::products::Products>& products = accessor;
    std::unique_ptr<bridge::products::Beverages> beverages;
    int playlistId = -1, lid = -1, snack = -1, special = -1, coffeeToGo = -1;
};

TEST_F(ProductsTest, ListsEveryProductTheDisplayedOnesAndTheUsedOnes)
{
    const std::vector<unsigned> beverageIds { unsigned(ids.espressoBeverage),
        unsigned(ids.hotChocolateBeverage), unsigned(ids.cappuccinoBeverage) };
    std::vector<unsigned> all = beverageIds;
    for (const int id : { lid, snack, special, coffeeToGo })
        all.push_back(unsigned(id));
    EXPECT_EQ(keys(products->products()), all);
    // The snack is listed although it is not displayed.
    EXPECT_EQ(keys(products->productsAndSnacks()), all);
    // The used products are those of the displayed categories, in display order.
    EXPECT_EQ(keys(products->usedProducts()), beverageIds);
    configuration().getAllCategories(true).at(1)->addProductId(snack);
    EXPECT_EQ(keys(products->usedProducts()), beverageIds);
    configuration().getAllCategories(true).at(1)->setIsDisplayed(true);
    EXPECT_EQ(keys(products->usedProducts()).size(), 4u);
    EXPECT_FALSE(products->isProductDisplayed(productId(snack)));
    EXPECT_TRUE(products->isProductDisplayed(productId(special)));

    // A product with a negative id is in no map; of two with one id the first is kept.
    configuration().product(coffeeToGo)->setId(-5);
    configuration().product(special)->setId(snack);
    const auto read = products->products();
    EXPECT_EQ(read.count(Id(unsigned(-5))), 0u);
    EXPECT_EQ(read.at(productId(snack)).productType, Lea::SnackProduct);
}

TEST_F(ProductsTest, BasicRecordsCarryEveryFieldOfTheirType)
{
    const Lea::BasicProduct crisps = *products->basics(productId(snack));
    EXPECT_EQ(crisps.productType, Lea::SnackProduct);
    EXPECT_EQ(crisps.typeSpecificValue, nonstd::optional<int32_t>(12));
    // Bits of no known attribute are ignored.
    EXPECT_EQ(crisps.attributes, std::set<Lea::Attribute> { Lea::Attribute4 });
    ASSERT_EQ(crisps.translations.size(), 1u);
    EXPECT_EQ(crisps.translations[0].text, QStringLiteral("Chips"));
    EXPECT_FALSE(crisps.itemNumber);

    const auto hotWater = products->specials(productId(special));
    ASSERT_TRUE(hotWater);
    EXPECT_EQ(hotWater->cupDropTurret, nonstd::optional<uint8_t>(2));
    EXPECT_EQ(hotWater->itemNumber, nonstd::optional<int32_t>(7));
    EXPECT_FALSE(products->specials(productId(snack)));
    EXPECT_EQ(products->basics(productId(coffeeToGo))->typeSpecificValue, nonstd::optional<int32_t>(3));

    // An upselling item that is not loaded reads as id 0.
    EXPECT_EQ(products->basics(productId(ids.espressoBeverage))->upsellings,
        (std::vector<Id> { productId(lid), productId(0) }));
    EXPECT_FALSE(products->basics(productId(9999)));
}

TEST_F(ProductsTest, AttributesConvertBitByBitBothWays)
{
    using Converter = bridge::products::ProductConverter;
    EXPECT_EQ(Converter::leaAttributesToCoreAttributes({ Lea::Attribute0, Lea::Attribute3 }), 9);
    EXPECT_EQ(Converter::coreAttributesToLeaAttributes(9),
        (std::set<Lea::Attribute> { Lea::Attribute0, Lea::Attribute3 }));
    EXPECT_EQ(
        Converter::coreAttributesToLeaAttributes(0x100 | 0x80), std::set<Lea::Attribute> { Lea::Attribute7 });
    EXPECT_THROW(Converter::leaAttributesToCoreAttributes({ Lea::Attribute(8) }), std::invalid_argument);
}

TEST_F(ProductsTest, BasicsAreStoredWithTranslationsPlaylistAndItemNumber)
{
    Lea::BasicProduct record = *products->basics(productId(snack));
    record.name = QStringLiteral("Salted crisps");
    record.translations = { lea::Translation { QLocale::German, {}, QStringLiteral("Salzchips"), {} } };
    record.attributes = { Lea::Attribute1, Lea::Attribute6 };
    record.playlistId = playlistId;
    record.itemNumber = 42;
    record.extraText = QStringLiteral("shelf 3");
    products->setBasics(productId(snack), record);

    machine().core().configurationGroup()->translationsManager()->reload();
    reload();
    Lea::BasicProduct stored = *products->basics(productId(snack));
    EXPECT_EQ(stored.name, QStringLiteral("Salted crisps"));
    ASSERT_EQ(stored.translations.size(), 1u);
    EXPECT_EQ(stored.translations[0].text, QStringLiteral("Salzchips"));
    EXPECT_EQ(stored.attributes, record.attributes);
    EXPECT_EQ(stored.playlistId, nonstd::optional<int32_t>(playlistId));
    EXPECT_EQ(stored.itemNumber, nonstd::optional<int32_t>(42));
    EXPECT_EQ(stored.extraText, record.extraText);

    // No item number keeps the stored one; no playlist removes it.
    stored.itemNumber.reset();
    stored.playlistId.reset();
    products->setBasics(productId(snack), stored);
    reload();
    EXPECT_EQ(products->basics(productId(snack))->itemNumber, nonstd::optional<int32_t>(42));
    EXPECT_FALSE(products->basics(productId(snack))->playlistId);
    EXPECT_TRUE(logEntries().isEmpty());

    products->setBasics(productId(9999), stored);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Product not found in configuration")).size(), 1);
}

TEST_F(ProductsTest, RefusedBasicsAndImagesLeaveTheLoadedProductAsItWas)
{
    refuseWrites(QStringLiteral("BEFORE UPDATE ON Products"));
    const quint32 counter = databaseChangeCounter();
    Lea::BasicProduct record = *products->basics(productId(special));
    record.name = QStringLiteral("Renamed");
    record.itemNumber = 99;
    products->setBasics(productId(special), record);
    products->setImagePath(productId(special), QFileInfo(tempPath(QStringLiteral("none.png"))));
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed saving product to database")).size(), 2);
    EXPECT_EQ(databaseChangeCounter(), counter);
    for (const bool reloaded : { false, true }) {
        if (reloaded)
            reload();
        EXPECT_EQ(products->basics(productId(special))->name, QStringLiteral("Hot water"));
        EXPECT_EQ(products->basics(productId(special))->itemNumber, nonstd::optional<int32_t>(7));
        EXPECT_TRUE(configuration().product(special)->image().isEmpty());
    }
}

TEST_F(ProductsTest, ImagesComeFromTheImageStoreAndAreStoredWithTheirHash)
{
    const QByteArray second = base64Image({ 2, 2 }, "PNG", Qt::green);
    ASSERT_TRUE(loader().saveImage(ConfigurationLoader::ImageOwner::Beverage,
        QStringLiteral("second_source_image"), ids.espressoBeverage, second));
    const QString file = tempPath(QStringLiteral("espresso.png"));
    ASSERT_FALSE(writePng(file).isEmpty());

    EXPECT_TRUE(products->getImagePath(productId(ids.espressoBeverage)).filePath().isEmpty());
    products->setImagePath(productId(ids.espressoBeverage), QFileInfo(file));
    reload();
    const QFileInfo main = products->getImagePath(productId(ids.espressoBeverage));
    const QFileInfo additional = products->getAdditionalImagePath(productId(ids.espressoBeverage));
    EXPECT_TRUE(main.exists() && additional.exists());
    EXPECT_TRUE(
        main.filePath().startsWith(bridge::LocalImageStore::BeverageFolder + QStringLiteral("source_")));
    EXPECT_FALSE(products->getImageBase64(productId(ids.espressoBeverage)).isEmpty());
    EXPECT_EQ(products->getImageHash(productId(ids.espressoBeverage)).size(), 32);
    EXPECT_EQ(configuration().beverage(ids.espressoBeverage)->dispensingImage(), QUrl::fromLocalFile(file));

    products->setImagePath(productId(9999), QFileInfo(file));
    const QList<LogEntry> entries = logEntriesContaining(QStringLiteral("No product found with id: "));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Error);
}

TEST_F(ProductsTest, FailuresAndAvailabilityFollowTheMachine)
{
    QSignalSpy availability(products.get(), &Lea::availabilityChanged);
    Machine& machine = *gCoreEnv->machine();
    machine.setFailureActive(FailureCommonList::CloggedWaterFilter, true);
    EXPECT_EQ(products->activeFailures(productId(ids.espressoBeverage)),
        std::vector<lea::maintenance::FailureId> { lea::maintenance::FailureId(17) });
    EXPECT_FALSE(products->basics(productId(ids.espressoBeverage))->available);
    machine.setFailureActive(FailureCommonList::CloggedWaterFilter, true);
    machine.setFailureActive(FailureCommonList::CloggedWaterFilter, false);
    configuration().beverage(ids.hotChocolateBeverage)->setEnabled(false);
    // The snack is not used by the layout: it is not followed.
    configuration().product(snack)->setEnabled(false);

    ASSERT_EQ(availability.count(), 3);
    EXPECT_EQ(availability[0][0].value<Id>(), productId(ids.espressoBeverage));
    EXPECT_EQ(availability[2][0].value<Id>(), productId(ids.hotChocolateBeverage));
    EXPECT_TRUE(products->activeFailures(productId(ids.espressoBeverage)).empty());
    EXPECT_TRUE(products->activeFailures(productId(9999)).empty());

    // A product the configuration no longer answers for (here shadowed by
    // another with its id) is not taken for the one it names.
    availability.clear();
    Beverage* shadowed = configuration().beverage(ids.hotChocolateBeverage);
    shadowed->setId(ids.espressoBeverage);
    shadowed->setEnabled(true);
    EXPECT_EQ(availability.count(), 0);

    // A reloaded configuration's used products are followed as well.
    reload();
    availability.clear();
    configuration().beverage(ids.espressoBeverage)->setEnabled(false);
    EXPECT_EQ(availability.count(), 1);
}

TEST_F(ProductsTest, BeveragesCarryRecipeJugAndLid)
{
    const auto espresso = beverages->beverage(productId(ids.espressoBeverage));
    ASSERT_TRUE(espresso && espresso->jug);
    EXPECT_EQ(espresso->recipe, nonstd::optional<lea::RecipeDbId>(lea::RecipeDbId(unsigned(ids.espresso))));
    EXPECT_EQ(
        std::make_tuple(espresso->jug->minCycles, espresso->jug->maxCycles, espresso->jug->defaultCycles),
        std::make_tuple(uint8_t(2), uint8_t(44), uint8_t(3)));
    EXPECT_EQ(espresso->lid, nonstd::optional<Id>(productId(lid)));
    const auto chocolate = beverages->beverage(productId(ids.hotChocolateBeverage));
    EXPECT_FALSE(chocolate->jug || chocolate->lid);
    EXPECT_EQ(keys(beverages->beverages()).size(), 3u);
    EXPECT_EQ(
        beverages->beverageFromProduct(productId(ids.cappuccinoBeverage)), productId(ids.cappuccinoBeverage));
    EXPECT_FALSE(beverages->beverageFromProduct(productId(snack)));
    EXPECT_FALSE(beverages->beverage(productId(snack)));

    // A recipe id 0 is no recipe when read back.
    configuration().recipe(ids.hotChocolate)->setDbId(0);
    EXPECT_FALSE(beverages->beverage(productId(ids.hotChocolateBeverage))->recipe);
}

TEST_F(ProductsTest, BeveragesAreUpdatedAndCreated)
{
    LeaBeverages::Beverage record = *beverages->beverage(productId(ids.hotChocolateBeverage));
    record.jug = LeaBeverages::Beverage::Jug { true, 1, 4, 2 };
    record.recipe = lea::RecipeDbId(unsigned(ids.cappuccino));
    beverages->update(productId(ids.hotChocolateBeverage), record);

    QSignalSpy changed(beverages.get(), &LeaBeverages::changed);
    LeaBeverages::Beverage fresh;
    fresh.recipe = lea::RecipeDbId(9999);
    const auto created = beverages->create(fresh);
    ASSERT_TRUE(created);
    EXPECT_EQ(changed.count(), 1);
    const QList<LogEntry> invalid = logEntriesContaining(QStringLiteral("Recipe id is invalid: "));
    ASSERT_EQ(invalid.size(), 1);
    EXPECT_EQ(invalid[0].items.last(), QStringLiteral("\"9999\""));

    reload();
    const auto updated = beverages->beverage(productId(ids.hotChocolateBeverage));
    ASSERT_TRUE(updated->jug);
    EXPECT_EQ(updated->jug->maxCycles, 4);
    EXPECT_EQ(updated->recipe, record.recipe);
    ASSERT_TRUE(beverages->beverage(*created));
    EXPECT_FALSE(beverages->beverage(*created)->recipe || beverages->beverage(*created)->jug);
}

TEST_F(ProductsTest, TheJugOfTheSelectedBeverageIsConfigured)
{
    UserSelectionManager& selection = *gCoreEnv->userSelectionManager();
    beverages->configureDispensing({ 3 });
    Beverage* espresso = configuration().beverage(ids.espressoBeverage);
    EXPECT_FALSE(espresso->isJugActivated());
    selection.setSelectedProduct(espresso);
    beverages->configureDispensing({ 3 });
    EXPECT_TRUE(espresso->isJugActivated());
    EXPECT_EQ(espresso->currentNumberOfCycles(), 3);
    beverages->configureDispensing({});
    EXPECT_FALSE(espresso->isJugActivated());
}

using ProductsAccessor = bridge::products::Products;
const Id kAny(1);
const GuardCase<ProductsAccessor> kProductsGuard[] = {
    { "products", [](ProductsAccessor& a) { return a.products().empty(); } },
    { "productsAndSnacks", [](ProductsAccessor& a) { return a.productsAndSnacks().empty(); } },
    { "usedProducts", [](ProductsAccessor& a) { return a.usedProducts().empty(); } },
    { "basics", [](ProductsAccessor& a) { return !a.basics(kAny); } },
    { "isProductDisplayed", [](ProductsAccessor& a) { return !a.isProductDisplayed(kAny); } },
    { "specials", [](ProductsAccessor& a) { return !a.specials(kAny); } },
    { "setBasics", [](ProductsAccessor& a) { return a.setBasics(kAny, {}), true; } },
    { "activeFailures", [](ProductsAccessor& a) { return a.activeFailures(kAny).empty(); } },
    { "customizationAvailable", [](ProductsAccessor& a) { return !a.customizationAvailable(kAny); } },
    { "getImageBase64", [](ProductsAccessor& a) { return a.getImageBase64(kAny).isEmpty(); } },
    { "getImagePath", [](ProductsAccessor& a) { return a.getImagePath(kAny).filePath().isEmpty(); }, false },
    { "getImageHash", [](ProductsAccessor& a) { return a.getImageHash(kAny).isEmpty(); } },
    { "setImagePath", [](ProductsAccessor& a) { return a.setImagePath(kAny, QFileInfo()), true; } },
    { "getAdditionalImagePath",
        [](ProductsAccessor& a) { return a.getAdditionalImagePath(kAny).filePath().isEmpty(); }, false },
    { "statusInfo", [](ProductsAccessor& a) { return a.statusInfo(kAny).isEmpty(); } },
    { "touchlessProducts", [](ProductsAccessor& a) { return a.touchlessProducts().empty(); },
        Guard::Unsupported },
};
GUARD_TEST(ProductsGuard, Lea, ProductsAccessor, kProductsGuard);

using BeveragesAccessor = bridge::products::Beverages;
const GuardCase<BeveragesAccessor> kBeveragesGuard[] = {
    { "beverage", [](BeveragesAccessor& a) { return !a.beverage(kAny); } },
    { "update", [](BeveragesAccessor& a) { return a.update(kAny, {}), true; } },
    { "configureDispensing", [](BeveragesAccessor& a) { return a.configureDispensing({}), true; }, false },
    { "create", [](BeveragesAccessor& a) { return !a.create({}); } },
    { "beverages", [](BeveragesAccessor& a) { return a.beverages().empty(); } },
    { "beverageFromProduct", [](BeveragesAccessor& a) { return !a.beverageFromProduct(kAny); } },
    { "setCurrentUsedRecipe", [](BeveragesAccessor& a) { return !a.setCurrentUsedRecipe(kAny, {}); },
        Guard::Unsupported },
};
GUARD_TEST(BeveragesGuard, LeaBeverages, BeveragesAccessor, kBeveragesGuard);

} // namespace
