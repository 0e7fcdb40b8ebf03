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
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSignalSpy>

namespace {

using Lea = lea::products::Categories;
using lea::products::AnyCategoryId;
using Categories = std::map<AnyCategoryId, Lea::Category>;
using Positions = std::vector<nonstd::optional<int>>;
using Texts = std::vector<std::pair<QLocale::Language, QString>>;

AnyCategoryId key(int coreId)
{
    return lea::CategoryDbId(static_cast<unsigned int>(coreId));
}

lea::ProductDbId product(int coreId)
{
    return lea::ProductDbId(static_cast<unsigned int>(coreId));
}

Lea::Category record(Lea::Type type, bool displayed, const char* title = "")
{
    Lea::Category category;
    category.type = type;
    category.displayed = displayed;
    category.title = QString::fromUtf8(title);
    return category;
}

std::vector<lea::Translation> translations(const Texts& texts)
{
    std::vector<lea::Translation> result(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        result[i].language = texts[i].first;
        result[i].text = texts[i].second;
    }
    return result;
}

Texts texts(const std::vector<lea::Translation>& translations)
{
    Texts result;
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

/// Positions in key order.
Positions positions(const Categories& categories)
{
    Positions result;
    for (const auto& entry : categories)
        result.push_back(
            entry.second.position ? nonstd::optional<int>(*entry.second.position) : nonstd::nullopt);
    return result;
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

    void injectFailure(const char* event)
    {
        execute(QStringLiteral("CREATE TRIGGER injected_failure BEFORE %1 ON Categories "
                               "BEGIN SELECT RAISE(ABORT, 'injected'); END")
                    .arg(QLatin1String(event)));
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
    EXPECT_EQ(positions(all), (Positions { 0, nonstd::nullopt, 1, 2 }));

    const Lea::Category& drinks = all.at(key(hot));
    EXPECT_EQ(drinks.type, Lea::Type1);
    EXPECT_TRUE(drinks.displayed);
    EXPECT_TRUE(drinks.available);
    EXPECT_EQ(drinks.title, QStringLiteral("Hot drinks"));
    EXPECT_EQ(texts(drinks.translations), (Texts { { QLocale::German, QStringLiteral("Heißgetränke") } }));
    EXPECT_EQ(drinks.rows, 2);
    EXPECT_EQ(drinks.columns, 3);
    EXPECT_EQ(drinks.products,
        (std::vector<nonstd::optional<lea::ProductDbId>> {
            product(ids.espressoBeverage), nonstd::nullopt, product(ids.hotChocolateBeverage) }));
    EXPECT_FALSE(drinks.extraText);
    EXPECT_FALSE(all.at(key(seasonal)).displayed);
    EXPECT_FALSE(all.at(key(seasonal)).available);
    EXPECT_EQ(all.at(key(specialities)).type, Lea::Group);
    EXPECT_EQ(all.at(key(specialities)).extraText, nonstd::optional<QString>(QStringLiteral("grouping")));
    EXPECT_EQ(all.at(key(milk)).type, Lea::SubCategory);
}

TEST_F(CategoriesTest, UpdateStoresTheRecordItsTranslationsAndTheDisplayList)
{
    Lea::Category changed = record(Lea::Type5, false, "Warm drinks");
    changed.translations = translations({ { QLocale::English, QStringLiteral("Warm drinks") },
        { QLocale::German, QStringLiteral("Warmes") } });
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
    EXPECT_EQ(read.title, changed.title);
    EXPECT_EQ(texts(read.translations), texts(changed.translations));
    EXPECT_EQ(read.rows, 4);
    EXPECT_EQ(read.columns, 5);
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

    const QStringList before = snapshot();
    Lea::Category draft = record(Lea::Type0, true, "Renamed draft");
    draft.translations = translations({ { QLocale::German, QStringLiteral("Entwurf") } });
    categories->updateCategory(nonstd::nullopt, draft);

    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(titleStored(draft.title));
    EXPECT_EQ(stored().size(), 4u);
}

TEST_F(CategoriesTest, AddedCategoryIsStoredLastWithItsTranslations)
{
    Lea::Category cold = record(Lea::Type0, true, "Cold drinks");
    cold.translations = translations({ { QLocale::German, QStringLiteral("Kaltgetränke") } });
    cold.rows = 1;
    cold.columns = 2;
    cold.products = { product(ids.cappuccinoBeverage), nonstd::nullopt };
    cold.extraText = QStringLiteral("summer");

    const nonstd::optional<lea::CategoryDbId> id = categories->addCategory(cold);

    ASSERT_TRUE(id);
    const Categories all = stored();
    ASSERT_EQ(all.count(id), 1u);
    const Lea::Category& read = all.at(id);
    EXPECT_EQ(read.position, nonstd::optional<uint8_t>(3));
    EXPECT_EQ(read.title, cold.title);
    EXPECT_EQ(texts(read.translations), texts(cold.translations));
    EXPECT_EQ(std::make_tuple(read.rows, read.columns), std::make_tuple(cold.rows, cold.columns));
    EXPECT_EQ(read.products, cold.products);
    EXPECT_EQ(read.extraText, cold.extraText);
}

TEST_F(CategoriesTest, FailedAddLogsAndLeavesTheDatabaseAsItWas)
{
    injectFailure("INSERT");
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    Lea::Category cold = record(Lea::Type0, true, "Cold drinks");
    cold.translations = translations({ { QLocale::German, QStringLiteral("Kaltgetränke") } });

    EXPECT_FALSE(categories->addCategory(cold));

    const QList<LogEntry> entries
        = logEntriesContaining(QStringLiteral("Failed saving category to database"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Warning);
    EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Product") });
    EXPECT_TRUE(entries[0].text.startsWith(QLatin1String(
        "virtual nonstd::optional_lite::optional<lea::priv::NewType<lea::priv::tag::CategoryDbId, "
        "unsigned int> > bridge::products::Categories::addCategory(")))
        << qPrintable(entries[0].text);
    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(titleStored(cold.title));
}

TEST_F(CategoriesTest, RemovedCategoryLeavesTheOthersInOrder)
{
    categories->removeCategory(lea::CategoryDbId(static_cast<unsigned int>(hot)));

    const Categories all = stored();
    EXPECT_EQ(keys(all), (std::vector<AnyCategoryId> { key(seasonal), key(specialities), key(milk) }));
    EXPECT_EQ(positions(all), (Positions { nonstd::nullopt, 0, 1 }));
}

TEST_F(CategoriesTest, FailedRemoveLeavesTheDatabaseAsItWas)
{
    injectFailure("DELETE");
    const QStringList before = snapshot();

    categories->removeCategory(lea::CategoryDbId(static_cast<unsigned int>(hot)));

    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed deleting category from database")).size(), 1);
    EXPECT_EQ(positions(stored()), (Positions { 0, nonstd::nullopt, 1, 2 }));
}

TEST_F(CategoriesTest, IdsOfNoCategoryChangeNothing)
{
    // Beyond the core's range an id must not wrap round to the empty key.
    appendUnstoredCategory(QStringLiteral("Draft"));
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    QSignalSpy changed(categories.get(), &Lea::changed);

    for (const unsigned int id : { 9999u, std::numeric_limits<unsigned int>::max() }) {
        categories->removeCategory(lea::CategoryDbId(id));
        categories->updateCategory(lea::CategoryDbId(id), record(Lea::Type0, true, "Nothing"));
        categories->setImagePath(lea::CategoryDbId(id), QFileInfo(tempPath(QStringLiteral("none.png"))));
    }

    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(categories->categories().at(nonstd::nullopt).title, QStringLiteral("Draft"));
}

TEST_F(CategoriesTest, DisplayedCategoriesKeepTheCoreOrder)
{
    categories->setDisplayedCategories({ key(specialities), key(hot) });

    EXPECT_EQ(positions(stored()), (Positions { 0, nonstd::nullopt, 1, nonstd::nullopt }));
}

TEST_F(CategoriesTest, ConfigIsStoredWithoutDisturbingTheCategories)
{
    const Lea::Config seeded = categories->config();
    EXPECT_EQ(std::make_tuple(seeded.enabled, seeded.firstLayoutValue, seeded.secondLayoutValue),
        std::make_tuple(true, uint8_t(3), uint8_t(2)));

    categories->setConfig({ false, 7, 1 });

    EXPECT_EQ(positions(stored()), (Positions { 0, nonstd::nullopt, 1, 2 }));
    const Lea::Config read = categories->config();
    EXPECT_EQ(std::make_tuple(read.enabled, read.firstLayoutValue, read.secondLayoutValue),
        std::make_tuple(false, uint8_t(7), uint8_t(1)));
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

TEST_F(CategoriesTest, WithoutConfigurationEveryOperationLogsAndDoesNothing)
{
    unloadConfiguration();
    const QStringList before = snapshot();
    const lea::CategoryDbId id(static_cast<unsigned int>(hot));
    const std::vector<std::pair<const char*, std::function<bool()>>> operations = {
        { "categories()", [&] { return categories->categories().empty(); } },
        { "updateCategory(", [&] { return categories->updateCategory(key(hot), {}), true; } },
        { "addCategory(", [&] { return !categories->addCategory({}); } },
        { "removeCategory(", [&] { return categories->removeCategory(id), true; } },
        { "setDisplayedCategories(", [&] { return categories->setDisplayedCategories({ key(hot) }), true; } },
        { "getImageBase64(", [&] { return categories->getImageBase64(id).isEmpty(); } },
        { "getImageHash(", [&] { return categories->getImageHash(id).isEmpty(); } },
        { "setImagePath(", [&] { return categories->setImagePath(id, QFileInfo()), true; } },
        { "config()",
            [&] {
                const Lea::Config c = categories->config();
                return !c.enabled && c.firstLayoutValue == 0 && c.secondLayoutValue == 0;
            } },
        { "setConfig(",
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
        EXPECT_TRUE(
            entries[0].text.contains(QLatin1String("bridge::products::Categories::") + operation.first)
            && entries[0].text.endsWith(QLatin1String("Configuration is not loaded. Operation canceled.")))
            << qPrintable(entries[0].text);
    }
    clearLog();
    EXPECT_TRUE(categories->getImagePath(id).filePath().isEmpty());
    EXPECT_TRUE(logEntries().isEmpty());
    EXPECT_EQ(snapshot(), before);
}

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
    using Keys = std::vector<AnyCategoryId>;

    EXPECT_EQ(sub(nonstd::nullopt, Lea::Type0), (Keys { key(1), key(3), key(6) }));
    EXPECT_EQ(sub(nonstd::nullopt, Lea::Group), (Keys { key(1), key(3), key(6) }));
    EXPECT_EQ(sub(key(3), Lea::Group), (Keys { nonstd::nullopt, key(4) }));
    EXPECT_EQ(sub(key(1), Lea::Type1), Keys {});
    all.at(key(3)).displayed = false;
    EXPECT_EQ(sub(nonstd::nullopt, Lea::Type0), (Keys { key(1), key(4), key(6) }));
    EXPECT_EQ(sub(key(3), Lea::Group), (Keys { nonstd::nullopt, key(4) }));
}

TEST(CategoryTypeConverter, ConvertsTheNineTypesToThemselvesAndRejectsTheOthers)
{
    using Converter = bridge::products::CategoryTypeConverter;
    using Core = Category::CategoryType;
    for (int value = 0; value <= 8; ++value) {
        EXPECT_EQ(Converter::toExternalOrThrow(static_cast<Core>(value)), static_cast<Lea::Type>(value));
        EXPECT_EQ(Converter::toInternalOrThrow(static_cast<Lea::Type>(value)), static_cast<Core>(value));
    }
    EXPECT_EQ(Converter::convertibleInternalValues().size(), 9u);
    const std::string converter = Converter::converter();
    EXPECT_NE(converter.find(
                  "InternalType = Category::CategoryType; ExternalType = lea::products::Categories::Type"),
        std::string::npos);
    for (const int value : { 9, -1 }) {
        const std::string suffix = std::to_string(value) + " (" + converter + ")";
        EXPECT_FALSE(Converter::toExternalOpt(static_cast<Core>(value)));
        EXPECT_FALSE(Converter::toInternalOpt(static_cast<Lea::Type>(value)));
        try {
            Converter::toExternalOrThrow(static_cast<Core>(value));
            ADD_FAILURE() << value;
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(e.what(), "Invalid internal enum value " + suffix);
        }
        try {
            Converter::toInternalOrThrow(static_cast<Lea::Type>(value));
            ADD_FAILURE() << value;
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(e.what(), "Invalid external enum value " + suffix);
        }
    }
}

} // namespace
