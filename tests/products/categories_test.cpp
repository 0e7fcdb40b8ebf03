#include "bridge/localimagestore.h"
#include "bridge/products/categories.h"
#include "bridge/products/categorytypeconverter.h"
#include "catalogue/cataloguetest.h"
#include "core/catalogue/category.h"
#include "core/configuration/translationsmanager.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSignalSpy>

namespace {

using Lea = lea::products::Categories;
using lea::products::AnyCategoryId;
using Categories = std::map<AnyCategoryId, Lea::Category>;

AnyCategoryId key(int coreId)
{
    return lea::CategoryDbId(static_cast<unsigned int>(coreId));
}

lea::ProductDbId product(int coreId)
{
    return lea::ProductDbId(static_cast<unsigned int>(coreId));
}

lea::Translation translation(QLocale::Language language, const char* text)
{
    lea::Translation result;
    result.language = language;
    result.text = QString::fromUtf8(text);
    return result;
}

std::vector<std::pair<QLocale::Language, QString>> texts(const std::vector<lea::Translation>& translations)
{
    std::vector<std::pair<QLocale::Language, QString>> result;
    for (const lea::Translation& t : translations)
        result.emplace_back(t.language, t.text);
    return result;
}

std::vector<AnyCategoryId> keys(const Categories& categories)
{
    std::vector<AnyCategoryId> result;
    for (const auto& entry : categories)
        result.push_back(entry.first);
    return result;
}

nonstd::optional<uint8_t> position(uint8_t value)
{
    return value;
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

    /// What the database holds, read through a configuration loaded afresh from it.
    Categories stored()
    {
        machine().core().configurationGroup()->translationsManager()->reload();
        reload();
        return categories->categories();
    }

    /// A category that the configuration holds but the database does not.
    void appendUnstoredCategory(const QString& title)
    {
        auto category = std::make_unique<Category>();
        category->setTitle(title);
        category->setIsDisplayed(true);
        configuration().appendLoadedCategory(std::move(category));
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

    std::unique_ptr<bridge::products::Categories> categories;
    int hot = -1;
    int seasonal = -1;
    int specialities = -1;
    int milk = -1;
};

TEST_F(CategoriesTest, ReadsCategoriesWithPositionsAmongTheDisplayedOnes)
{
    const Categories all = categories->categories();
    ASSERT_EQ(
        keys(all), (std::vector<AnyCategoryId> { key(hot), key(seasonal), key(specialities), key(milk) }));

    const Lea::Category& hotDrinks = all.at(key(hot));
    EXPECT_EQ(hotDrinks.type, Lea::Type1);
    EXPECT_TRUE(hotDrinks.displayed);
    EXPECT_EQ(hotDrinks.position, position(0));
    EXPECT_TRUE(hotDrinks.available);
    EXPECT_EQ(hotDrinks.title, QStringLiteral("Hot drinks"));
    EXPECT_EQ(texts(hotDrinks.translations), texts({ translation(QLocale::German, "Heißgetränke") }));
    EXPECT_EQ(hotDrinks.rows, 2);
    EXPECT_EQ(hotDrinks.columns, 3);
    EXPECT_EQ(hotDrinks.products,
        (std::vector<nonstd::optional<lea::ProductDbId>> {
            product(ids.espressoBeverage), nonstd::nullopt, product(ids.hotChocolateBeverage) }));
    EXPECT_FALSE(hotDrinks.extraText);

    const Lea::Category& seasonalDrinks = all.at(key(seasonal));
    EXPECT_FALSE(seasonalDrinks.displayed);
    EXPECT_FALSE(seasonalDrinks.position);
    EXPECT_FALSE(seasonalDrinks.available);
    EXPECT_EQ(all.at(key(specialities)).type, Lea::Group);
    EXPECT_EQ(all.at(key(specialities)).position, position(1));
    EXPECT_EQ(all.at(key(specialities)).extraText, nonstd::optional<QString>(QStringLiteral("grouping")));
    EXPECT_EQ(all.at(key(milk)).type, Lea::SubCategory);
    EXPECT_EQ(all.at(key(milk)).position, position(2));
}

TEST_F(CategoriesTest, UpdateStoresTheRecordItsTranslationsAndTheDisplayList)
{
    Lea::Category changed = categories->categories().at(key(hot));
    changed.type = Lea::Type5;
    changed.displayed = false;
    changed.title = QStringLiteral("Warm drinks");
    changed.translations
        = { translation(QLocale::English, "Warm drinks"), translation(QLocale::German, "Warmes") };
    changed.rows = 4;
    changed.columns = 5;
    changed.products = { nonstd::nullopt, product(ids.cappuccinoBeverage) };
    changed.extraText = QStringLiteral("seasonal offer");
    Lea::Category grouping = categories->categories().at(key(specialities));
    grouping.extraText = nonstd::nullopt;

    categories->updateCategory(key(hot), changed);
    categories->updateCategory(key(specialities), grouping);

    const Categories all = stored();
    const Lea::Category& read = all.at(key(hot));
    EXPECT_EQ(read.type, Lea::Type5);
    EXPECT_FALSE(read.displayed);
    EXPECT_FALSE(read.position);
    EXPECT_EQ(read.title, QStringLiteral("Warm drinks"));
    EXPECT_EQ(texts(read.translations), texts(changed.translations));
    EXPECT_EQ(read.rows, 4);
    EXPECT_EQ(read.columns, 5);
    EXPECT_EQ(read.products, changed.products);
    EXPECT_EQ(read.extraText, changed.extraText);
    EXPECT_FALSE(all.at(key(specialities)).extraText);
    EXPECT_EQ(all.at(key(specialities)).position, position(0));
    EXPECT_EQ(all.at(key(milk)).position, position(1));
}

TEST_F(CategoriesTest, CategoriesWithoutRowShareTheEmptyKeyAndAreNeverStored)
{
    appendUnstoredCategory(QStringLiteral("Draft"));
    appendUnstoredCategory(QStringLiteral("Second draft"));
    const Categories all = categories->categories();
    ASSERT_EQ(all.size(), 5u);
    ASSERT_EQ(all.count(nonstd::nullopt), 1u);
    EXPECT_EQ(all.at(nonstd::nullopt).title, QStringLiteral("Draft"));
    // Unstored categories count among the displayed ones as the user interface shows them.
    EXPECT_EQ(all.at(nonstd::nullopt).position, position(3));

    const QStringList before = snapshot();
    Lea::Category draft = all.at(nonstd::nullopt);
    draft.title = QStringLiteral("Renamed draft");
    draft.translations = { translation(QLocale::German, "Entwurf") };
    categories->updateCategory(nonstd::nullopt, draft);

    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(titleStored(QStringLiteral("Renamed draft")));
    const Categories after = stored();
    EXPECT_EQ(
        keys(after), (std::vector<AnyCategoryId> { key(hot), key(seasonal), key(specialities), key(milk) }));
}

TEST_F(CategoriesTest, AddedCategoryIsStoredLastWithItsTranslations)
{
    Lea::Category cold;
    cold.type = Lea::Type0;
    cold.displayed = true;
    cold.title = QStringLiteral("Cold drinks");
    cold.translations = { translation(QLocale::German, "Kaltgetränke") };
    cold.rows = 1;
    cold.columns = 2;
    cold.products = { product(ids.cappuccinoBeverage), nonstd::nullopt };
    cold.extraText = QStringLiteral("summer");

    const nonstd::optional<lea::CategoryDbId> id = categories->addCategory(cold);

    ASSERT_TRUE(id);
    const Categories all = stored();
    ASSERT_EQ(all.count(id), 1u);
    const Lea::Category& read = all.at(id);
    EXPECT_EQ(read.position, position(3));
    EXPECT_EQ(read.title, cold.title);
    EXPECT_EQ(texts(read.translations), texts(cold.translations));
    EXPECT_EQ(read.rows, 1);
    EXPECT_EQ(read.columns, 2);
    EXPECT_EQ(read.products, cold.products);
    EXPECT_EQ(read.extraText, cold.extraText);
    EXPECT_EQ(all.at(key(hot)).position, position(0));
}

TEST_F(CategoriesTest, FailedAddLogsAndLeavesTheDatabaseAsItWas)
{
    execute(QStringLiteral("CREATE TRIGGER injected_failure BEFORE INSERT ON Categories BEGIN SELECT "
                           "RAISE(ABORT, 'injected'); END"));
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    Lea::Category cold;
    cold.title = QStringLiteral("Cold drinks");
    cold.translations = { translation(QLocale::German, "Kaltgetränke") };

    EXPECT_FALSE(categories->addCategory(cold));

    const QList<LogEntry> entries
        = logEntriesContaining(QStringLiteral("Failed saving category to database"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Warning);
    EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Product") });
    EXPECT_TRUE(entries[0].text.startsWith(QLatin1String(
        "virtual nonstd::optional_lite::optional<lea::priv::NewType<lea::priv::tag::CategoryDbId, unsigned "
        "int> > "
        "bridge::products::Categories::addCategory(")))
        << qPrintable(entries[0].text);
    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(titleStored(QStringLiteral("Cold drinks")));
    EXPECT_EQ(stored().size(), 4u);
}

TEST_F(CategoriesTest, RemovedCategoryLeavesTheOthersInOrder)
{
    categories->removeCategory(lea::CategoryDbId(static_cast<unsigned int>(hot)));

    const Categories all = stored();
    EXPECT_EQ(keys(all), (std::vector<AnyCategoryId> { key(seasonal), key(specialities), key(milk) }));
    EXPECT_EQ(all.at(key(specialities)).position, position(0));
    EXPECT_EQ(all.at(key(milk)).position, position(1));
}

TEST_F(CategoriesTest, IdsOfNoCategoryChangeNothing)
{
    // Beyond the core's range an id must not wrap round to the empty key.
    appendUnstoredCategory(QStringLiteral("Draft"));
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    QSignalSpy changed(categories.get(), &Lea::changed);
    const lea::CategoryDbId unknown(9999);
    const lea::CategoryDbId beyond(std::numeric_limits<unsigned int>::max());
    Lea::Category record;
    record.title = QStringLiteral("Nothing");

    for (const lea::CategoryDbId id : { unknown, beyond }) {
        categories->removeCategory(id);
        categories->updateCategory(id, record);
        categories->setImagePath(id, QFileInfo(tempPath(QStringLiteral("none.png"))));
    }

    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(categories->categories().at(nonstd::nullopt).title, QStringLiteral("Draft"));
}

TEST_F(CategoriesTest, FailedRemoveLeavesTheDatabaseAsItWas)
{
    execute(QStringLiteral("CREATE TRIGGER injected_failure BEFORE DELETE ON Categories BEGIN SELECT "
                           "RAISE(ABORT, 'injected'); END"));
    const QStringList before = snapshot();

    categories->removeCategory(lea::CategoryDbId(static_cast<unsigned int>(hot)));

    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed deleting category from database")).size(), 1);
    EXPECT_EQ(stored().at(key(hot)).position, position(0));
}

TEST_F(CategoriesTest, DisplayedCategoriesKeepTheCoreOrder)
{
    categories->setDisplayedCategories({ key(specialities), key(hot) });

    const Categories all = stored();
    EXPECT_EQ(all.at(key(hot)).position, position(0));
    EXPECT_EQ(all.at(key(specialities)).position, position(1));
    EXPECT_FALSE(all.at(key(seasonal)).displayed);
    EXPECT_FALSE(all.at(key(milk)).displayed);
    EXPECT_FALSE(all.at(key(milk)).position);
}

TEST_F(CategoriesTest, ConfigIsStoredWithoutDisturbingTheCategories)
{
    const Lea::Config seeded = categories->config();
    EXPECT_TRUE(seeded.enabled);
    EXPECT_EQ(seeded.firstLayoutValue, 3);
    EXPECT_EQ(seeded.secondLayoutValue, 2);

    categories->setConfig({ false, 7, 1 });

    const Categories all = stored();
    const Lea::Config read = categories->config();
    EXPECT_FALSE(read.enabled);
    EXPECT_EQ(read.firstLayoutValue, 7);
    EXPECT_EQ(read.secondLayoutValue, 1);
    EXPECT_EQ(all.at(key(hot)).position, position(0));
    EXPECT_EQ(all.at(key(milk)).position, position(2));
}

TEST_F(CategoriesTest, WritesSignalChangedOnceAlsoAfterTheConfigurationWasReplaced)
{
    QSignalSpy changed(categories.get(), &Lea::changed);
    categories->setConfig({ true, 1, 1 });
    EXPECT_EQ(changed.count(), 1);

    reload();
    categories->setDisplayedCategories({ key(hot) });
    EXPECT_EQ(changed.count(), 2);

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
    ASSERT_TRUE(image.save(file, "PNG"));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray content = written.readAll();
    const lea::CategoryDbId id(static_cast<unsigned int>(seasonal));
    EXPECT_TRUE(categories->getImagePath(id).filePath().isEmpty());

    categories->setImagePath(id, QFileInfo(file));

    reload();
    EXPECT_EQ(categories->getImageHash(id),
        QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex()));
    EXPECT_EQ(categories->getImageBase64(id), content.toBase64());
    const QFileInfo path = categories->getImagePath(id);
    EXPECT_TRUE(path.exists());
    EXPECT_TRUE(path.filePath().startsWith(bridge::LocalImageStore::CategoryFolder));
    EXPECT_TRUE(categories->getImageHash(lea::CategoryDbId(static_cast<unsigned int>(hot))).isEmpty());
}

TEST_F(CategoriesTest, HashOfAnUnknownCategoryIsEmptyAndLogged)
{
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
    Lea::Category record = categories->categories().at(key(hot));
    record.type = static_cast<Lea::Type>(9);
    record.title = QStringLiteral("Renamed");
    EXPECT_THROW(categories->updateCategory(key(hot), record), std::invalid_argument);
    EXPECT_THROW(categories->addCategory(record), std::invalid_argument);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(categories->categories().at(key(hot)).title, QStringLiteral("Hot drinks"));
}

TEST_F(CategoriesTest, WithoutConfigurationEveryOperationLogsAndDoesNothing)
{
    unloadConfiguration();
    const QStringList before = snapshot();
    const lea::CategoryDbId id(static_cast<unsigned int>(hot));
    const std::vector<std::pair<const char*, std::function<bool()>>> operations = {
        { "::categories()", [&] { return categories->categories().empty(); } },
        { "::updateCategory(", [&] { return categories->updateCategory(key(hot), {}), true; } },
        { "::addCategory(", [&] { return !categories->addCategory({}); } },
        { "::removeCategory(", [&] { return categories->removeCategory(id), true; } },
        { "::setDisplayedCategories(",
            [&] { return categories->setDisplayedCategories({ key(hot) }), true; } },
        { "::getImageBase64(", [&] { return categories->getImageBase64(id).isEmpty(); } },
        { "::getImageHash(", [&] { return categories->getImageHash(id).isEmpty(); } },
        { "::setImagePath(", [&] { return categories->setImagePath(id, QFileInfo()), true; } },
        { "::config()",
            [&] {
                const Lea::Config config = categories->config();
                return !config.enabled && config.firstLayoutValue == 0 && config.secondLayoutValue == 0;
            } },
        { "::setConfig(",
            [&] {
                return categories->setConfig({ true, 1, 1 }), true;
            } },
    };
    for (const auto& operation : operations) {
        clearLog();
        EXPECT_TRUE(operation.second()) << operation.first;
        const QList<LogEntry> entries = logEntries();
        ASSERT_EQ(entries.size(), 1) << operation.first;
        EXPECT_EQ(entries[0].level, LogLevel::Warning);
        EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Global") });
        EXPECT_TRUE(entries[0].text.contains(QLatin1String("bridge::products::Categories") + operation.first))
            << qPrintable(entries[0].text);
        EXPECT_TRUE(
            entries[0].text.endsWith(QLatin1String("Configuration is not loaded. Operation canceled.")));
    }
    clearLog();
    EXPECT_TRUE(categories->getImagePath(id).filePath().isEmpty());
    EXPECT_TRUE(logEntries().isEmpty());
    EXPECT_EQ(snapshot(), before);
}

// Sub-categories are chosen from the records alone.
struct SubCategoriesCase
{
    const char* name;
    AnyCategoryId parentKey;
    Lea::Type parentType;
    bool groupDisplayed;
    std::vector<AnyCategoryId> expected;
};

class SubCategories : public MachineTest, public ::testing::WithParamInterface<SubCategoriesCase>
{
};

Lea::Category record(Lea::Type type, bool displayed)
{
    Lea::Category category;
    category.type = type;
    category.displayed = displayed;
    return category;
}

TEST_P(SubCategories, FollowTheGroupingRules)
{
    const SubCategoriesCase& c = GetParam();
    const Categories all = {
        { key(1), record(Lea::Type1, true) },
        { key(2), record(Lea::Type0, false) },
        { key(3), record(Lea::Group, c.groupDisplayed) },
        { key(4), record(Lea::SubCategory, true) },
        { key(5), record(Lea::SubCategory, false) },
        { nonstd::nullopt, record(Lea::SubCategory, true) },
        { key(6), record(Lea::Type8, true) },
    };
    const bridge::products::Categories categories(nullptr);

    const Categories result = categories.subCategories({ c.parentKey, record(c.parentType, true) }, all);

    EXPECT_EQ(keys(result), c.expected);
    for (const auto& entry : result)
        EXPECT_EQ(entry.second.type, all.at(entry.first).type);
}

INSTANTIATE_TEST_SUITE_P(Categories, SubCategories,
    ::testing::Values(SubCategoriesCase { "TopLevelWithGroup", nonstd::nullopt, Lea::Type0, true,
                          { key(1), key(3), key(6) } },
        SubCategoriesCase {
            "TopLevelWithoutGroup", nonstd::nullopt, Lea::Type0, false, { key(1), key(4), key(6) } },
        SubCategoriesCase {
            "TopLevelOfGroupType", nonstd::nullopt, Lea::Group, true, { key(1), key(3), key(6) } },
        SubCategoriesCase { "InsideGroup", key(3), Lea::Group, true, { nonstd::nullopt, key(4) } },
        SubCategoriesCase {
            "InsideUndisplayedGroup", key(3), Lea::Group, false, { nonstd::nullopt, key(4) } },
        SubCategoriesCase { "InsideOtherCategory", key(1), Lea::Type1, true, {} }),
    [](const ::testing::TestParamInfo<SubCategoriesCase>& info) { return info.param.name; });

using bridge::products::CategoryTypeConverter;

TEST(CategoryTypeConverter, ConvertsTheNineTypesToThemselves)
{
    for (int value = 0; value <= 8; ++value) {
        const auto core = static_cast<Category::CategoryType>(value);
        EXPECT_EQ(CategoryTypeConverter::toExternalOrThrow(core), static_cast<Lea::Type>(value));
        EXPECT_EQ(CategoryTypeConverter::toInternalOrThrow(static_cast<Lea::Type>(value)), core);
    }
    EXPECT_EQ(CategoryTypeConverter::convertibleInternalValues().size(), 9u);
    EXPECT_EQ(CategoryTypeConverter::convertibleExternalValues().size(), 9u);
}

TEST(CategoryTypeConverter, RejectsOtherValuesWithTheirNumber)
{
    const std::string converter = CategoryTypeConverter::converter();
    EXPECT_NE(converter.find(
                  "InternalType = Category::CategoryType; ExternalType = lea::products::Categories::Type"),
        std::string::npos);
    for (const int value : { 9, -1 }) {
        EXPECT_FALSE(CategoryTypeConverter::toExternalOpt(static_cast<Category::CategoryType>(value)));
        EXPECT_FALSE(CategoryTypeConverter::toInternalOpt(static_cast<Lea::Type>(value)));
        try {
            CategoryTypeConverter::toExternalOrThrow(static_cast<Category::CategoryType>(value));
            ADD_FAILURE() << "no exception for " << value;
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()),
                "Invalid internal enum value " + std::to_string(value) + " (" + converter + ")");
        }
        try {
            CategoryTypeConverter::toInternalOrThrow(static_cast<Lea::Type>(value));
            ADD_FAILURE() << "no exception for " << value;
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()),
                "Invalid external enum value " + std::to_string(value) + " (" + converter + ")");
        }
    }
}

} // namespace
