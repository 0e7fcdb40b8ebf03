#include "bridge/localimagestore.h"
#include "core/catalogue/category.h"
#include "products/records.h"
#include "support/images.h"

#include <limits>
#include <QCryptographicHash>

namespace {

using Lea = lea::products::Categories;
using lea::products::AnyCategoryId;
using Categories = std::map<AnyCategoryId, Lea::Category>;
using Keys = std::vector<AnyCategoryId>;
using Positions = std::vector<nonstd::optional<int>>;
using Products = std::vector<nonstd::optional<lea::ProductDbId>>;
using Id = lea::CategoryDbId;

Keys keys(const Categories& categories)
{
    Keys result;
    for (const auto& entry : categories)
        result.push_back(entry.first);
    return result;
}

/// Positions in key order.
Positions positions(const Categories& categories)
{
    Positions result;
    for (const auto& [id, category] : categories)
        result.push_back(category.position ? nonstd::optional<int>(*category.position) : nonstd::nullopt);
    return result;
}

const auto settings = [](const Lea::Config& c) {
    return std::make_tuple(c.enabled, c.firstLayoutValue, c.secondLayoutValue);
};

class CategoriesTest : public AccessorTest<Lea, bridge::products::Categories>
{
protected:
    void SetUp() override
    {
        AccessorTest::SetUp();
        std::tie(hot, seasonal, specialities, milk)
            = std::make_tuple(Id(unsigned(ids.categories[0])), Id(unsigned(ids.categories[1])),
                Id(unsigned(ids.categories[2])), Id(unsigned(ids.categories[3])));
    }

    /// What the database holds, read through a configuration (and translations) loaded afresh from it.
    Categories stored() { return reloadAll(), accessor->categories(); }

    Id hot { 0 }, seasonal { 0 }, specialities { 0 }, milk { 0 };
};

TEST_F(CategoriesTest, ReadsCategoriesWithPositionsAmongTheDisplayedOnes)
{
    const Categories all = accessor->categories();
    ASSERT_EQ(keys(all), (Keys { hot, seasonal, specialities, milk }));
    EXPECT_EQ(positions(all), (Positions { 0, nonstd::nullopt, 1, 2 }));

    const Lea::Category& drinks = all.at(hot);
    EXPECT_EQ(std::make_tuple(drinks.type, drinks.displayed, drinks.available, drinks.title, drinks.rows,
                  drinks.columns, drinks.extraText),
        std::make_tuple(Lea::Type1, true, true, QStringLiteral("Hot drinks"), uint8_t(2), uint8_t(3),
            nonstd::optional<QString>()));
    EXPECT_EQ(texts(drinks.translations), texts(german("Heißgetränke")));
    EXPECT_EQ(drinks.products,
        (Products { lea::ProductDbId(ids.espressoBeverage), nonstd::nullopt,
            lea::ProductDbId(ids.hotChocolateBeverage) }));
    EXPECT_FALSE(all.at(seasonal).displayed || all.at(seasonal).available);
    EXPECT_EQ(std::make_pair(all.at(specialities).type, all.at(specialities).extraText),
        std::make_pair(Lea::Group, nonstd::optional<QString>(QStringLiteral("grouping"))));
    EXPECT_EQ(all.at(milk).type, Lea::SubCategory);

    // A type without interface partner is refused.
    configuration().getAllCategories(true).at(1)->setCategoryType(static_cast<Category::CategoryType>(9));
    EXPECT_THROW(accessor->categories(), std::invalid_argument);
}

TEST_F(CategoriesTest, UpdateStoresTheRecordItsTranslationsAndTheDisplayList)
{
    Lea::Category changed = categoryRecord(Lea::Type5, false, "Warm drinks",
        { { QLocale::English, {}, "Warm drinks", {} }, { QLocale::German, {}, "Warmes", {} } });
    changed.rows = 4;
    changed.columns = 5;
    changed.products = { nonstd::nullopt, lea::ProductDbId(ids.cappuccinoBeverage) };
    changed.extraText = QStringLiteral("seasonal offer");
    Lea::Category grouping = accessor->categories().at(specialities);
    grouping.extraText = nonstd::nullopt;

    accessor->updateCategory(hot, changed);
    accessor->updateCategory(specialities, grouping);

    const Categories all = stored();
    const Lea::Category& read = all.at(hot);
    EXPECT_EQ(std::make_tuple(read.type, read.displayed, read.title, read.rows, read.columns, read.products,
                  read.extraText, texts(read.translations)),
        std::make_tuple(Lea::Type5, false, changed.title, uint8_t(4), uint8_t(5), changed.products,
            changed.extraText, texts(changed.translations)));
    EXPECT_FALSE(all.at(specialities).extraText);
    EXPECT_EQ(positions(all), (Positions { nonstd::nullopt, nonstd::nullopt, 0, 1 }));
}

TEST_F(CategoriesTest, CategoriesWithoutRowShareTheEmptyKeyAndAreNeverStored)
{
    // Categories that the configuration holds but the database does not.
    for (const char* title : { "Draft", "Second draft" }) {
        auto category = std::make_unique<Category>();
        category->setTitle(QString::fromLatin1(title));
        category->setIsDisplayed(true);
        configuration().appendLoadedCategory(std::move(category));
    }
    const Categories all = accessor->categories();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(std::make_pair(all.at(nonstd::nullopt).title, all.at(nonstd::nullopt).position),
        std::make_pair(QStringLiteral("Draft"), nonstd::optional<uint8_t>(3)));

    // Ids of no category change nothing; beyond the core's range they must not wrap round to the empty key.
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    QSignalSpy changed(accessor.get(), &Lea::changed);
    for (const unsigned int id : { 9999u, std::numeric_limits<unsigned int>::max() }) {
        accessor->removeCategory(Id(id));
        accessor->updateCategory(Id(id), categoryRecord(Lea::Type0, true, "Nothing"));
        accessor->setImagePath(Id(id), QFileInfo(tempPath(QStringLiteral("none.png"))));
    }
    EXPECT_EQ(std::make_pair(databaseChangeCounter(), changed.count()), std::make_pair(changes, 0));
    EXPECT_EQ(accessor->categories().at(nonstd::nullopt).title, QStringLiteral("Draft"));

    accessor->updateCategory(
        nonstd::nullopt, categoryRecord(Lea::Type0, true, "Renamed draft", german("Entwurf")));
    EXPECT_EQ(snapshot(), before); // no title nor translation either
    EXPECT_EQ(stored().size(), 4u);
}

TEST_F(CategoriesTest, AddedCategoryIsStoredLastAndRemovedOneLeavesTheOthersInOrder)
{
    Lea::Category cold = categoryRecord(Lea::Type0, true, "Cold drinks", german("Kaltgetränke"));
    cold.rows = 1;
    cold.columns = 2;
    cold.products = { lea::ProductDbId(ids.cappuccinoBeverage), nonstd::nullopt };
    cold.extraText = QStringLiteral("summer");

    const nonstd::optional<Id> id = accessor->addCategory(cold);
    ASSERT_TRUE(id);
    const Categories all = stored();
    ASSERT_EQ(all.count(id), 1u);
    const Lea::Category& read = all.at(id);
    EXPECT_EQ(std::make_tuple(read.position, read.title, read.rows, read.columns, read.products,
                  read.extraText, texts(read.translations)),
        std::make_tuple(nonstd::optional<uint8_t>(3), cold.title, cold.rows, cold.columns, cold.products,
            cold.extraText, texts(cold.translations)));

    accessor->removeCategory(hot);
    const Categories left = stored();
    EXPECT_EQ(keys(left), (Keys { seasonal, specialities, milk, id }));
    EXPECT_EQ(positions(left), (Positions { nonstd::nullopt, 0, 1, 2 }));
}

TEST_F(CategoriesTest, DisplayListAndConfigAreStoredApartAndSignalledAlsoAfterTheConfigurationWasReplaced)
{
    const auto config = [this] { return settings(accessor->config()); };
    EXPECT_EQ(config(), std::make_tuple(true, uint8_t(3), uint8_t(2)));
    QSignalSpy changed(accessor.get(), &Lea::changed);

    accessor->setConfig({ false, 7, 1 });
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(positions(stored()), (Positions { 0, nonstd::nullopt, 1, 2 }));
    EXPECT_EQ(config(), std::make_tuple(false, uint8_t(7), uint8_t(1)));

    // The display order is the core's, whatever the order of the ids.
    accessor->setDisplayedCategories({ specialities, hot });
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(positions(stored()), (Positions { 0, nonstd::nullopt, 1, nonstd::nullopt }));
    EXPECT_EQ(config(), std::make_tuple(false, uint8_t(7), uint8_t(1)));

    unloadConfiguration();
    bridge::products::Categories late(nullptr);
    QSignalSpy lateChanged(&late, &Lea::changed);
    reload();
    late.setConfig({ true, 2, 2 });
    EXPECT_EQ(lateChanged.count(), 1);
}

TEST_F(CategoriesTest, ImageSetFromAFileIsStoredWithItsHash)
{
    const QString file = tempPath(QStringLiteral("category.png"));
    const QByteArray content = writePng(file);
    ASSERT_FALSE(content.isEmpty());
    EXPECT_TRUE(accessor->getImagePath(seasonal).filePath().isEmpty());
    accessor->setImagePath(seasonal, QFileInfo(file));
    reload();
    EXPECT_EQ(accessor->getImageHash(seasonal),
        QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex()));
    EXPECT_EQ(accessor->getImageBase64(seasonal), content.toBase64());
    const QFileInfo path = accessor->getImagePath(seasonal);
    EXPECT_TRUE(path.exists() && path.filePath().startsWith(bridge::LocalImageStore::CategoryFolder));
    EXPECT_TRUE(accessor->getImageHash(hot).isEmpty());

    clearLog();
    EXPECT_TRUE(accessor->getImageHash(Id(9999)).isEmpty());
    const QList<LogEntry> entries = logEntriesContaining(
        QStringLiteral("Returning empty hash for the image linked to the category id: "));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(std::make_tuple(entries[0].level, entries[0].modules, entries[0].items.last()),
        std::make_tuple(LogLevel::Error, QStringList { QStringLiteral("Product") }, QStringLiteral("9999")));
}

using Accessor = bridge::products::Categories;
const Id kAny(1);
const GuardCase<Accessor> kGuard[] = {
    { "categories", [](Accessor& a) { return a.categories().empty(); } },
    { "updateCategory", [](Accessor& a) { return a.updateCategory(kAny, {}), true; } },
    { "addCategory", [](Accessor& a) { return !a.addCategory({}); } },
    { "removeCategory", [](Accessor& a) { return a.removeCategory(kAny), true; } },
    { "setDisplayedCategories", [](Accessor& a) { return a.setDisplayedCategories({ kAny }), true; } },
    { "subCategories", [](Accessor& a) { return a.subCategories({}, {}).empty(); }, false },
    { "getImageBase64", [](Accessor& a) { return a.getImageBase64(kAny).isEmpty(); } },
    // Image paths come from the image store alone: nothing to log.
    { "getImagePath", [](Accessor& a) { return a.getImagePath(kAny).filePath().isEmpty(); }, false },
    { "getImageHash", [](Accessor& a) { return a.getImageHash(kAny).isEmpty(); } },
    { "setImagePath", [](Accessor& a) { return a.setImagePath(kAny, QFileInfo()), true; } },
    { "config", [](Accessor& a) { return settings(a.config()) == settings({}); } },
    { "setConfig", [](Accessor& a) { return a.setConfig({}), true; } },
};
GUARD_TEST(CategoriesGuard, lea::products::Categories, Accessor, kGuard);

TEST_F(CategoriesTest, SubCategoriesFollowTheGroupingRules)
{
    Categories all = { { Id(1), categoryRecord(Lea::Type1, true) },
        { Id(2), categoryRecord(Lea::Type0, false) }, { Id(3), categoryRecord(Lea::Group, true) },
        { Id(4), categoryRecord(Lea::SubCategory, true) }, { Id(5), categoryRecord(Lea::SubCategory, false) },
        { nonstd::nullopt, categoryRecord(Lea::SubCategory, true) },
        { Id(6), categoryRecord(Lea::Type8, true) } };
    const auto sub = [&](AnyCategoryId parent, Lea::Type type) {
        return keys(accessor->subCategories({ parent, categoryRecord(type, true) }, all));
    };

    EXPECT_EQ(sub(nonstd::nullopt, Lea::Type0), (Keys { Id(1), Id(3), Id(6) }));
    EXPECT_EQ(sub(nonstd::nullopt, Lea::Group), (Keys { Id(1), Id(3), Id(6) }));
    EXPECT_EQ(sub(Id(3), Lea::Group), (Keys { nonstd::nullopt, Id(4) }));
    EXPECT_EQ(sub(Id(1), Lea::Type1), Keys {});
    all.at(Id(3)).displayed = false;
    EXPECT_EQ(sub(nonstd::nullopt, Lea::Type0), (Keys { Id(1), Id(4), Id(6) }));
    EXPECT_EQ(sub(Id(3), Lea::Group), (Keys { nonstd::nullopt, Id(4) }));
}

} // namespace
