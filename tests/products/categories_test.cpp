#include "bridge/localimagestore.h"
#include "bridge/products/categories.h"
#include "bridge/products/categorytypeenumconverter.h"
#include "core/catalogue/category.h"
#include "core/configuration/translationsmanager.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"

#include <algorithm>
#include <functional>
#include <gmock/gmock.h>
#include <limits>
#include <memory>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSignalSpy>

namespace {

using Lea = lea::products::Categories;
using lea::products::AnyCategoryId;
using Categories = std::map<AnyCategoryId, Lea::Category>;
using Keys = std::vector<AnyCategoryId>;
using Positions = std::vector<nonstd::optional<int>>;
using Texts = std::vector<std::pair<QLocale::Language, QString>>;
using Products = std::vector<nonstd::optional<lea::ProductDbId>>;

AnyCategoryId key(int coreId)
{
    return lea::CategoryDbId(coreId);
}

Lea::Category record(Lea::Type type, bool displayed, const char* title = "", const Texts& texts = {})
{
    Lea::Category category;
    category.type = type;
    category.displayed = displayed;
    category.title = QString::fromUtf8(title);
    for (const auto& [language, text] : texts)
        category.translations.push_back(lea::Translation { language, {}, text, {} });
    return category;
}

Texts texts(const std::vector<lea::Translation>& translations)
{
    Texts result;
    for (const lea::Translation& t : translations)
        result.emplace_back(t.language, t.text);
    return result;
}

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

std::tuple<bool, uint8_t, uint8_t> settings(const Lea::Config& config)
{
    return { config.enabled, config.firstLayoutValue, config.secondLayoutValue };
}

class CategoriesTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        hot = ids.categories.at(0);
        seasonal = ids.categories.at(1);
        specialities = ids.categories.at(2);
        milk = ids.categories.at(3);
        categories = std::make_unique<bridge::products::Categories>(nullptr);
    }

    void TearDown() override
    {
        categories.reset();
        bridge::LocalImageStore::instance().clear();
        CatalogueTest::TearDown();
    }

    /// What the database holds, read through a configuration (and translations) loaded afresh from it.
    Categories stored()
    {
        machine().core().configurationGroup()->translationsManager()->reload();
        reload();
        return categories->categories();
    }

    /// Whether the database holds a category title, translated or not.
    bool titleStored(const QString& title) const
    {
        TranslationsManager& translations = *machine().core().configurationGroup()->translationsManager();
        translations.reload();
        const QList<TypedString*> titles = translations.typedStringsFromType(TypedString::CategoryTitle);
        return std::any_of(titles.cbegin(), titles.cend(),
            [&](const TypedString* string) { return string->originalString() == title; });
    }

    /// A category that the configuration holds but the database does not.
    void appendUnstoredCategory(const QString& title)
    {
        auto category = std::make_unique<Category>();
        category->setTitle(title);
        category->setIsDisplayed(true);
        configuration().appendLoadedCategory(std::move(category));
    }

    std::unique_ptr<bridge::products::Categories> categories;
    int hot = -1, seasonal = -1, specialities = -1, milk = -1;
};

TEST_F(CategoriesTest, ReadsCategoriesWithPositionsAmongTheDisplayedOnes)
{
    const Categories all = categories->categories();
    ASSERT_EQ(keys(all), (Keys { key(hot), key(seasonal), key(specialities), key(milk) }));
    EXPECT_EQ(positions(all), (Positions { 0, nonstd::nullopt, 1, 2 }));

    const Lea::Category& drinks = all.at(key(hot));
    EXPECT_EQ(std::make_tuple(drinks.type, drinks.displayed, drinks.available, drinks.title),
        std::make_tuple(Lea::Type1, true, true, QStringLiteral("Hot drinks")));
    EXPECT_EQ(texts(drinks.translations), (Texts { { QLocale::German, QStringLiteral("Heißgetränke") } }));
    EXPECT_EQ(std::make_tuple(drinks.rows, drinks.columns), std::make_tuple(uint8_t(2), uint8_t(3)));
    EXPECT_EQ(drinks.products,
        (Products { lea::ProductDbId(ids.espressoBeverage), nonstd::nullopt,
            lea::ProductDbId(ids.hotChocolateBeverage) }));
    EXPECT_FALSE(drinks.extraText);
    EXPECT_FALSE(all.at(key(seasonal)).displayed || all.at(key(seasonal)).available);
    EXPECT_EQ(all.at(key(specialities)).type, Lea::Group);
    EXPECT_EQ(all.at(key(specialities)).extraText, nonstd::optional<QString>(QStringLiteral("grouping")));
    EXPECT_EQ(all.at(key(milk)).type, Lea::SubCategory);
}

TEST_F(CategoriesTest, UpdateStoresTheRecordItsTranslationsAndTheDisplayList)
{
    Lea::Category changed = record(Lea::Type5, false, "Warm drinks",
        { { QLocale::English, QStringLiteral("Warm drinks") },
            { QLocale::German, QStringLiteral("Warmes") } });
    changed.rows = 4;
    changed.columns = 5;
    changed.products = { nonstd::nullopt, lea::ProductDbId(ids.cappuccinoBeverage) };
    changed.extraText = QStringLiteral("seasonal offer");
    Lea::Category grouping = categories->categories().at(key(specialities));
    grouping.extraText = nonstd::nullopt;

    categories->updateCategory(key(hot), changed);
    categories->updateCategory(key(specialities), grouping);

    const Categories all = stored();
    const Lea::Category& read = all.at(key(hot));
    EXPECT_EQ(std::make_tuple(read.type, read.displayed, read.title, read.rows, read.columns),
        std::make_tuple(Lea::Type5, false, changed.title, uint8_t(4), uint8_t(5)));
    EXPECT_EQ(texts(read.translations), texts(changed.translations));
    EXPECT_EQ(read.products, changed.products);
    EXPECT_EQ(read.extraText, changed.extraText);
    EXPECT_FALSE(all.at(key(specialities)).extraText);
    EXPECT_EQ(positions(all), (Positions { nonstd::nullopt, nonstd::nullopt, 0, 1 }));
}

TEST_F(CategoriesTest, CategoriesWithoutRowShareTheEmptyKeyAndAreNeverStored)
{
    appendUnstoredCategory(QStringLiteral("Draft"));
    appendUnstoredCategory(QStringLiteral("Second draft"));
    const Categories all = categories->categories();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all.at(nonstd::nullopt).title, QStringLiteral("Draft"));
    EXPECT_EQ(all.at(nonstd::nullopt).position, nonstd::optional<uint8_t>(3));

    // Ids of no category change nothing; beyond the core's range they must not wrap round to the empty key.
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    QSignalSpy changed(categories.get(), &Lea::changed);
    for (const unsigned int id : { 9999u, std::numeric_limits<unsigned int>::max() }) {
        categories->removeCategory(lea::CategoryDbId(id));
        categories->updateCategory(lea::CategoryDbId(id), record(Lea::Type0, true, "Nothing"));
        categories->setImagePath(lea::CategoryDbId(id), QFileInfo(tempPath(QStringLiteral("none.png"))));
    }
    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(categories->categories().at(nonstd::nullopt).title, QStringLiteral("Draft"));

    const Lea::Category draft
        = record(Lea::Type0, true, "Renamed draft", { { QLocale::German, QStringLiteral("Entwurf") } });
    categories->updateCategory(nonstd::nullopt, draft);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(titleStored(draft.title));
    EXPECT_EQ(stored().size(), 4u);
}

TEST_F(CategoriesTest, AddedCategoryIsStoredLastAndRemovedOneLeavesTheOthersInOrder)
{
    Lea::Category cold
        = record(Lea::Type0, true, "Cold drinks", { { QLocale::German, QStringLiteral("Kaltgetränke") } });
    cold.rows = 1;
    cold.columns = 2;
    cold.products = { lea::ProductDbId(ids.cappuccinoBeverage), nonstd::nullopt };
    cold.extraText = QStringLiteral("summer");

    const nonstd::optional<lea::CategoryDbId> id = categories->addCategory(cold);

    ASSERT_TRUE(id);
    const Categories all = stored();
    ASSERT_EQ(all.count(id), 1u);
    const Lea::Category& read = all.at(id);
    EXPECT_EQ(read.position, nonstd::optional<uint8_t>(3));
    EXPECT_EQ(std::make_tuple(read.title, read.rows, read.columns, read.products, read.extraText),
        std::make_tuple(cold.title, cold.rows, cold.columns, cold.products, cold.extraText));
    EXPECT_EQ(texts(read.translations), texts(cold.translations));

    categories->removeCategory(lea::CategoryDbId(hot));
    const Categories left = stored();
    EXPECT_EQ(keys(left), (Keys { key(seasonal), key(specialities), key(milk), id }));
    EXPECT_EQ(positions(left), (Positions { nonstd::nullopt, 0, 1, 2 }));
}

// A write that the database refuses (a trigger on `event`) and the line it logs.
struct RefusedCategoryWrite
{
    const char* operation;
    const char* event;
    const char* logged;
    LogLevel::Level level;
    std::function<void(bridge::products::Categories&, int hot)> write;
};

void PrintTo(const RefusedCategoryWrite& write, std::ostream* os)
{
    *os << write.operation;
}

class RefusedCategoryWrites : public CategoriesTest,
                              public ::testing::WithParamInterface<RefusedCategoryWrite>
{
};

TEST_P(RefusedCategoryWrites, LogAndLeaveTheLoadedCategoriesAndTheDatabaseAsTheyWere)
{
    const RefusedCategoryWrite& write = GetParam();
    execute(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 BEGIN SELECT RAISE(ABORT, 'injected'); END")
                .arg(QLatin1String(write.event)));
    const QStringList before = snapshot();
    const Categories loaded = categories->categories();
    const auto config = settings(categories->config());
    QSignalSpy changed(categories.get(), &Lea::changed);

    write.write(*categories, hot);

    const QList<LogEntry> entries = logEntriesContaining(QLatin1String(write.logged));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, write.level);
    EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Product") });
    EXPECT_TRUE(entries[0].items[0].contains(QStringLiteral("Categories::%1(").arg(write.operation)));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(keys(categories->categories()), keys(loaded));
    EXPECT_EQ(positions(categories->categories()), positions(loaded));
    EXPECT_EQ(categories->categories().at(key(hot)).title, QStringLiteral("Hot drinks"));
    EXPECT_EQ(settings(categories->config()), config);
    EXPECT_EQ(positions(stored()), positions(loaded));
}

const Lea::Category kCold
    = record(Lea::Type0, false, "Cold drinks", { { QLocale::German, QStringLiteral("Kaltgetränke") } });

INSTANTIATE_TEST_SUITE_P(Categories, RefusedCategoryWrites,
    ::testing::Values(
        RefusedCategoryWrite { "addCategory", "INSERT ON Categories", "Failed saving category to database",
            LogLevel::Warning, [](auto& c, int) { EXPECT_FALSE(c.addCategory(kCold)); } },
        RefusedCategoryWrite { "updateCategory", "UPDATE ON Categories", "Failed saving category to database",
            LogLevel::Warning, [](auto& c, int hot) { c.updateCategory(key(hot), kCold); } },
        RefusedCategoryWrite { "removeCategory", "DELETE ON Categories",
            "Failed deleting category from database", LogLevel::Error,
            [](auto& c, int hot) { c.removeCategory(lea::CategoryDbId(hot)); } },
        RefusedCategoryWrite { "setDisplayedCategories", "UPDATE ON Categories",
            "Failed saving displayed categories to database", LogLevel::Error,
            [](auto& c, int hot) { c.setDisplayedCategories({ key(hot) }); } },
        RefusedCategoryWrite { "setConfig", "UPDATE ON Category_Screen",
            "Failed saving displayed categories to database", LogLevel::Error,
            [](auto& c, int) {
                c.setConfig({ false, 7, 1 });
            } },
        RefusedCategoryWrite { "setImagePath", "UPDATE ON Categories", "Failed saving category to database",
            LogLevel::Warning,
            [](auto& c, int hot) { c.setImagePath(lea::CategoryDbId(hot), QFileInfo("x.png")); } }),
    [](const auto& info) { return std::string(info.param.operation); });

TEST_F(CategoriesTest, DisplayListAndConfigAreStoredApartAndSignalledAlsoAfterTheConfigurationWasReplaced)
{
    const auto config = [this] { return settings(categories->config()); };
    EXPECT_EQ(config(), std::make_tuple(true, uint8_t(3), uint8_t(2)));
    QSignalSpy changed(categories.get(), &Lea::changed);

    categories->setConfig({ false, 7, 1 });
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(positions(stored()), (Positions { 0, nonstd::nullopt, 1, 2 }));
    EXPECT_EQ(config(), std::make_tuple(false, uint8_t(7), uint8_t(1)));

    // The display order is the core's, whatever the order of the ids.
    categories->setDisplayedCategories({ key(specialities), key(hot) });
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
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString file = tempPath(QStringLiteral("category.png"));
    QFile written(file);
    ASSERT_TRUE(image.save(file, "PNG") && written.open(QIODevice::ReadOnly));
    const QByteArray content = written.readAll();
    const lea::CategoryDbId id(seasonal);
    EXPECT_TRUE(categories->getImagePath(id).filePath().isEmpty());
    categories->setImagePath(id, QFileInfo(file));
    reload();
    EXPECT_EQ(categories->getImageHash(id),
        QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex()));
    EXPECT_EQ(categories->getImageBase64(id), content.toBase64());
    const QFileInfo path = categories->getImagePath(id);
    EXPECT_TRUE(path.exists());
    EXPECT_TRUE(path.filePath().startsWith(bridge::LocalImageStore::CategoryFolder));
    EXPECT_TRUE(categories->getImageHash(lea::CategoryDbId(hot)).isEmpty());

    clearLog();
    EXPECT_TRUE(categories->getImageHash(lea::CategoryDbId(9999)).isEmpty());
    const QList<LogEntry> entries = logEntriesContaining(
        QStringLiteral("Returning empty hash for the image linked to the category id: "));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Error);
    EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Product") });
    EXPECT_EQ(entries[0].items.last(), QStringLiteral("9999"));
}

TEST_F(CategoriesTest, UnconvertibleTypesAreRejected)
{
    configuration().getAllCategories(true).at(1)->setCategoryType(static_cast<Category::CategoryType>(9));
    EXPECT_THROW(categories->categories(), std::invalid_argument);

    reload();
    const QStringList before = snapshot();
    const Lea::Category unconvertible = record(static_cast<Lea::Type>(9), true, "Renamed");
    EXPECT_THROW(categories->updateCategory(key(hot), unconvertible), std::invalid_argument);
    EXPECT_THROW(categories->addCategory(unconvertible), std::invalid_argument);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(categories->categories().at(key(hot)).title, QStringLiteral("Hot drinks"));
}

using Accessor = bridge::products::Categories;
const lea::CategoryDbId kAny(1);
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
    Categories all = {
        { key(1), record(Lea::Type1, true) },
        { key(2), record(Lea::Type0, false) },
        { key(3), record(Lea::Group, true) },
        { key(4), record(Lea::SubCategory, true) },
        { key(5), record(Lea::SubCategory, false) },
        { nonstd::nullopt, record(Lea::SubCategory, true) },
        { key(6), record(Lea::Type8, true) },
    };
    const auto sub = [&](AnyCategoryId parent, Lea::Type type) {
        return keys(categories->subCategories({ parent, record(type, true) }, all));
    };

    EXPECT_EQ(sub(nonstd::nullopt, Lea::Type0), (Keys { key(1), key(3), key(6) }));
    EXPECT_EQ(sub(nonstd::nullopt, Lea::Group), (Keys { key(1), key(3), key(6) }));
    EXPECT_EQ(sub(key(3), Lea::Group), (Keys { nonstd::nullopt, key(4) }));
    EXPECT_EQ(sub(key(1), Lea::Type1), Keys {});
    all.at(key(3)).displayed = false;
    EXPECT_EQ(sub(nonstd::nullopt, Lea::Type0), (Keys { key(1), key(4), key(6) }));
    EXPECT_EQ(sub(key(3), Lea::Group), (Keys { nonstd::nullopt, key(4) }));
}

TEST(CategoryTypeEnumConverter, ConvertsTheNineTypesToThemselvesAndRejectsTheOthers)
{
    using Converter = bridge::products::CategoryTypeEnumConverter;
    for (int value = 0; value <= 8; ++value) {
        EXPECT_EQ(Converter::toExternalOrThrow(Category::CategoryType(value)), Lea::Type(value));
        EXPECT_EQ(Converter::toInternalOrThrow(Lea::Type(value)), Category::CategoryType(value));
    }
    EXPECT_EQ(Converter::convertibleInternalValues().size(), 9u);
    EXPECT_EQ(Converter::convertibleExternalValues().size(), 9u);
    EXPECT_THAT([] { Converter::toInternalOrThrow(Lea::Type(-1)); },
        ::testing::ThrowsMessage<std::invalid_argument>(
            std::string("Invalid external enum value -1 (") + Converter::converter() + ")"));
}

} // namespace
