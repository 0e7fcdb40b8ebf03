#include "bridge/localimagestore.h"
#include "bridge/products/canisters.h"
#include "bridge/products/logicalingredientconverter.h"
#include "catalogue/cataloguetest.h"
#include "core/configuration/translationsmanager.h"
#include "core/gui/guimanager.h"
#include "core/machine/physicalmachine.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <QBuffer>
#include <QImage>
#include <string>
#include <tuple>

namespace {

using Lea = lea::products::Canisters;
using bridge::products::LogicalIngredientConverter;

lea::CanisterDbId canisterId(int coreId)
{
    return lea::CanisterDbId(static_cast<unsigned int>(coreId));
}

auto fields(const Lea::CanisterLevel& l)
{
    return std::make_tuple(l.canister.value(), l.emptyCheckEnabled, l.levelSensorEnabled,
        l.gramsEmptyThreshold, l.weightWhenFull, l.currentLevel);
}

auto fields(const Lea::CanisterCalibration& c)
{
    return std::make_tuple(c.canister.value(), c.calibrationMin, c.calibrationMax);
}

template <class Record> auto fields(const std::vector<Record>& records)
{
    std::vector<decltype(fields(records.front()))> result;
    for (const Record& record : records)
        result.push_back(fields(record));
    return result;
}

QByteArray pngBase64(Qt::GlobalColor colour)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toBase64();
}

class CanistersTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        fresh = ids.canisters.value(Canister::NoIngredient);
        beans = ids.canisters.value(Canister::CoffeeBeans);
        milk = ids.canisters.value(Canister::MilkPowder);
        chocolate = ids.canisters.value(Canister::Chocolate);
        sugar = ids.canisters.value(Canister::Sugar);
        canisters = std::make_unique<bridge::products::Canisters>(nullptr);
    }

    void TearDown() override
    {
        canisters.reset();
        bridge::LocalImageStore::instance().clear();
        CatalogueTest::TearDown();
    }

    std::unique_ptr<bridge::products::Canisters> canisters;
    int fresh = -1;
    int beans = -1;
    int milk = -1;
    int chocolate = -1;
    int sugar = -1;
};

TEST_F(CanistersTest, ReadsCanistersInLogicalOrder)
{
    configuration().physicalMachine()->addCanister(Canister::CoffeeBeans);
    configuration().canisterByType(Canister::Chocolate)->powderLevel()->setCurrentValue(100);

    const std::vector<Lea::Canister> all = canisters->canisters();

    ASSERT_EQ(all.size(), 5u);
    std::vector<unsigned int> order;
    for (const Lea::Canister& canister : all)
        order.push_back(canister.id.value());
    EXPECT_EQ(order,
        (std::vector<unsigned int> { canisterId(fresh).value(), canisterId(beans).value(),
            canisterId(milk).value(), canisterId(chocolate).value(), canisterId(sugar).value() }));

    const Lea::Canister& freshProduct = all[0];
    EXPECT_EQ(freshProduct.name, QStringLiteral("Fresh"));
    EXPECT_FALSE(freshProduct.ingredient);
    EXPECT_TRUE(freshProduct.typeFlag);
    EXPECT_TRUE(freshProduct.available);
    EXPECT_TRUE(freshProduct.allergens.empty());
    EXPECT_FALSE(freshProduct.installed);

    const Lea::Canister& coffee = all[1];
    ASSERT_TRUE(coffee.ingredient);
    EXPECT_EQ(coffee.ingredient->logicalIngredient, Lea::Ingredient7);
    EXPECT_EQ(coffee.ingredient->productName, QStringLiteral("Espresso blend"));
    EXPECT_TRUE(coffee.ingredient->productNameTranslations.empty());
    EXPECT_FALSE(coffee.typeFlag);
    EXPECT_TRUE(coffee.installed);

    const Lea::Canister& milkPowder = all[2];
    EXPECT_EQ(milkPowder.ingredient->logicalIngredient, Lea::Ingredient20);
    ASSERT_EQ(milkPowder.translations.size(), 1u);
    EXPECT_EQ(milkPowder.translations[0].language, QLocale::German);
    EXPECT_EQ(milkPowder.translations[0].text, QStringLiteral("Milchpulver"));
    EXPECT_EQ(
        milkPowder.allergens, (std::vector<QString> { QStringLiteral("milk"), QStringLiteral("lactose") }));

    EXPECT_EQ(all[3].ingredient->logicalIngredient, Lea::Ingredient14);
    EXPECT_FALSE(all[3].available);
    EXPECT_EQ(all[3].allergens,
        (std::vector<QString> { QStringLiteral("milk"), QString(), QStringLiteral("soy") }));
    EXPECT_EQ(all[4].ingredient->logicalIngredient, Lea::Ingredient6);
    EXPECT_FALSE(all[4].installed);
}

TEST_F(CanistersTest, ProductNamesAreTranslatedIntoTheCurrentLanguage)
{
    machine().guiManager().setCurrentLanguage(QLocale::German);

    const std::vector<Lea::Canister> all = canisters->canisters();

    ASSERT_TRUE(all.at(2).ingredient);
    const std::vector<lea::Translation>& names = all.at(2).ingredient->productNameTranslations;
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].language, QLocale::German);
    EXPECT_EQ(names[0].text, QStringLiteral("Skimmed milk"));
}

TEST_F(CanistersTest, LevelsAreStoredButNotTheCurrentLevel)
{
    std::vector<Lea::CanisterLevel> levels = canisters->levels();
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(fields(levels[1]), std::make_tuple(canisterId(beans).value(), true, true, 15, 1600, 800));
    EXPECT_EQ(fields(levels[3]), std::make_tuple(canisterId(chocolate).value(), true, false, 20, 1400, 250));
    const auto seeded = fields(levels);

    levels[1] = { canisterId(beans), false, false, 40, 3000, 1 };
    levels[4] = { canisterId(sugar), true, true, 7, 900, 2 };
    canisters->setLevels({ levels[1], levels[4] });

    reload();
    auto expected = seeded;
    expected[1] = std::make_tuple(canisterId(beans).value(), false, false, 40, 3000, 800);
    expected[4] = std::make_tuple(canisterId(sugar).value(), true, true, 7, 900, 600);
    EXPECT_EQ(fields(canisters->levels()), expected);
}

TEST_F(CanistersTest, CalibrationsAreStored)
{
    EXPECT_EQ(fields(canisters->calibrations()),
        (std::vector<std::tuple<unsigned int, int32_t, int32_t>> {
            { canisterId(fresh).value(), 0, 50 },
            { canisterId(beans).value(), 20, 80 },
            { canisterId(milk).value(), 10, 90 },
            { canisterId(chocolate).value(), 30, 70 },
            { canisterId(sugar).value(), 0, 100 },
        }));

    canisters->setCalibrations({ { canisterId(beans), 25, 75 }, { canisterId(sugar), 5, 95 } });

    reload();
    const auto read = fields(canisters->calibrations());
    EXPECT_EQ(read[1], std::make_tuple(canisterId(beans).value(), 25, 75));
    EXPECT_EQ(read[2], std::make_tuple(canisterId(milk).value(), 10, 90));
    EXPECT_EQ(read[4], std::make_tuple(canisterId(sugar).value(), 5, 95));
}

TEST_F(CanistersTest, RecordsOfNoCanisterChangeNothing)
{
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    const auto levels = fields(canisters->levels());
    // Beyond the core's range an id must not wrap round to a negative core id.
    configuration().canisterByType(Canister::NoIngredient)->setId(-1);

    for (const unsigned int id : { 9999u, std::numeric_limits<unsigned int>::max() })
        canisters->setLevels({ { lea::CanisterDbId(id), true, true, 1, 2, 3 } });

    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(configuration().canisterByType(Canister::NoIngredient)->powderLevel()->isLevelSensorEnabled());
    clearLog();
    EXPECT_EQ(canisters->levels().size(), 5u);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Expected valid identifier")).size(), 1);
    reload();
    EXPECT_EQ(fields(canisters->levels()), levels);
}

class CanisterWriteFailure : public CanistersTest,
                             public ::testing::WithParamInterface<std::function<void(Lea&, int)>>
{
};

TEST_P(CanisterWriteFailure, LeavesTheDatabaseAsItWas)
{
    execute(QStringLiteral("CREATE TRIGGER injected_failure BEFORE UPDATE ON Canisters BEGIN SELECT "
                           "RAISE(ABORT, 'injected'); END"));
    const QStringList before = snapshot();
    const auto levels = fields(canisters->levels());
    const auto calibrations = fields(canisters->calibrations());

    GetParam()(*canisters, beans);

    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(logEntriesContaining(QStringLiteral("injected")).isEmpty());
    reload();
    EXPECT_EQ(fields(canisters->levels()), levels);
    EXPECT_EQ(fields(canisters->calibrations()), calibrations);
}

INSTANTIATE_TEST_SUITE_P(Canisters, CanisterWriteFailure,
    ::testing::Values(
        [](Lea& c, int id) {
            c.setLevels({ { canisterId(id), false, false, 40, 3000, 0 } });
        },
        [](Lea& c, int id) {
            c.setCalibrations({ { canisterId(id), 25, 75 } });
        }));

TEST_F(CanistersTest, ImagesComeFromTheConfiguration)
{
    const QByteArray brand = pngBase64(Qt::blue);
    const QByteArray picture = pngBase64(Qt::green);
    ASSERT_TRUE(configuration().loader()->saveImage(
        ConfigurationLoader::ImageOwner::Canister, QStringLiteral("brand"), beans, brand));
    ASSERT_TRUE(configuration().loader()->saveImage(
        ConfigurationLoader::ImageOwner::Canister, QStringLiteral("image"), beans, picture));

    EXPECT_EQ(canisters->getFirstImageBase64(canisterId(beans)), brand);
    EXPECT_EQ(canisters->getSecondImageBase64(canisterId(beans)), picture);
    EXPECT_TRUE(canisters->getFirstImageBase64(canisterId(milk)).isEmpty());

    const QFileInfo first = canisters->getFirstImagePath(canisterId(beans));
    const QFileInfo second = canisters->getSecondImagePath(canisterId(beans));
    EXPECT_TRUE(first.exists());
    EXPECT_TRUE(second.exists());
    EXPECT_NE(first.filePath(), second.filePath());
    EXPECT_TRUE(first.filePath().startsWith(bridge::LocalImageStore::CanisterFolder));
    EXPECT_TRUE(first.fileName().startsWith(QStringLiteral("brand_")));
    EXPECT_TRUE(canisters->getSecondImagePath(canisterId(milk)).filePath().isEmpty());
}

TEST_F(CanistersTest, GlobalAllergensComeFromTheConfiguration)
{
    EXPECT_EQ(canisters->getGlobalAllergens(), QStringLiteral("gluten,nuts"));
}

TEST_F(CanistersTest, UnconvertibleLogicalIdsAreRejected)
{
    configuration()
        .canisterByType(Canister::Sugar)
        ->setLogicalCanisterId(static_cast<Canister::LogicalCanisterId>(37));
    EXPECT_THROW(canisters->canisters(), std::invalid_argument);
}

TEST_F(CanistersTest, WithoutConfigurationEveryOperationLogsAndDoesNothing)
{
    unloadConfiguration();
    const QStringList before = snapshot();
    const lea::CanisterDbId id = canisterId(beans);
    const std::vector<std::pair<const char*, std::function<bool()>>> operations = {
        { "::levels()", [&] { return canisters->levels().empty(); } },
        { "::setLevels(",
            [&] {
                return canisters->setLevels({ { id, true, true, 1, 1, 1 } }), true;
            } },
        { "::calibrations()", [&] { return canisters->calibrations().empty(); } },
        { "::setCalibrations(",
            [&] {
                return canisters->setCalibrations({ { id, 1, 2 } }), true;
            } },
        { "::canisters()", [&] { return canisters->canisters().empty(); } },
        { "::getFirstImageBase64(", [&] { return canisters->getFirstImageBase64(id).isEmpty(); } },
        { "::getSecondImageBase64(", [&] { return canisters->getSecondImageBase64(id).isEmpty(); } },
        { "::getGlobalAllergens()", [&] { return canisters->getGlobalAllergens().isEmpty(); } },
    };
    for (const auto& operation : operations) {
        clearLog();
        EXPECT_TRUE(operation.second()) << operation.first;
        const QList<LogEntry> entries = logEntries();
        ASSERT_EQ(entries.size(), 1) << operation.first;
        EXPECT_EQ(entries[0].level, LogLevel::Warning);
        EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Global") });
        EXPECT_TRUE(entries[0].text.contains(QLatin1String("bridge::products::Canisters") + operation.first))
            << qPrintable(entries[0].text);
        EXPECT_TRUE(
            entries[0].text.endsWith(QLatin1String("Configuration is not loaded. Operation canceled.")));
    }
    clearLog();
    EXPECT_TRUE(canisters->getFirstImagePath(id).filePath().isEmpty());
    EXPECT_TRUE(canisters->getSecondImagePath(id).filePath().isEmpty());
    EXPECT_TRUE(logEntries().isEmpty());
    EXPECT_EQ(snapshot(), before);
}

struct SplitCase
{
    const char* text;
    std::vector<const char*> pieces;
};

class SplitString : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitString, CutsAtCommasKeepingEveryPieceButAFinalEmptyOne)
{
    std::vector<QString> expected;
    for (const char* piece : GetParam().pieces)
        expected.push_back(QString::fromUtf8(piece));
    EXPECT_EQ(bridge::products::Canisters::splitString(QString::fromUtf8(GetParam().text)), expected);
}

INSTANTIATE_TEST_SUITE_P(Canisters, SplitString,
    ::testing::Values(SplitCase { "", {} }, SplitCase { "milk", { "milk" } },
        SplitCase { "milk,,soy,", { "milk", "", "soy" } }, SplitCase { " milk , soy", { " milk ", " soy" } },
        SplitCase { ",", { "" } }, SplitCase { ",nuts", { "", "nuts" } },
        SplitCase { "a,b,,", { "a", "b", "" } }));

// The logical-ingredient table as (interface, core) values.
const std::pair<int, int> kLogicalIngredients[] = {
    { 0, 13 },
    { 1, 34 },
    { 2, 15 },
    { 3, 3 },
    { 4, 35 },
    { 5, 18 },
    { 6, 7 },
    { 7, 1 },
    { 8, 9 },
    { 9, 24 },
    { 10, 11 },
    { 11, 20 },
    { 12, 21 },
    { 13, 14 },
    { 14, 5 },
    { 15, 19 },
    { 16, 17 },
    { 17, 36 },
    { 18, 2 },
    { 19, 16 },
    { 20, 4 },
    { 21, 12 },
    { 22, 8 },
    { 23, 23 },
    { 24, 32 },
    { 25, 33 },
    { 26, 25 },
    { 27, 22 },
    { 28, 6 },
    { 29, 27 },
    { 30, 26 },
    { 31, 28 },
    { 32, 29 },
    { 33, 30 },
    { 34, 31 },
    { 35, 10 },
    { 38, 0 },
};

TEST(LogicalIngredientConverter, ConvertsEveryListedPairBothWays)
{
    for (const auto& pair : kLogicalIngredients) {
        const auto lea = static_cast<Lea::LogicalIngredient>(pair.first);
        const auto core = static_cast<Canister::LogicalCanisterId>(pair.second);
        EXPECT_EQ(LogicalIngredientConverter::toExternalOrThrow(core), lea) << pair.second;
        EXPECT_EQ(LogicalIngredientConverter::toInternalOrThrow(lea), core) << pair.first;
    }
    EXPECT_EQ(LogicalIngredientConverter::convertibleInternalValues().size(), 37u);
    EXPECT_EQ(LogicalIngredientConverter::convertibleExternalValues().size(), 37u);
}

std::string failure(const std::function<void()>& convert)
{
    try {
        convert();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "no exception";
}

TEST(LogicalIngredientConverter, RejectsUnlistedValuesWithTheirNumber)
{
    const std::string converter = LogicalIngredientConverter::converter();
    EXPECT_NE(converter.find("InternalType = Canister::LogicalCanisterId; "
                             "ExternalType = lea::products::Canisters::LogicalIngredient"),
        std::string::npos);
    for (const int value : { 36, 37, 39, -1 }) {
        const auto lea = static_cast<Lea::LogicalIngredient>(value);
        EXPECT_FALSE(LogicalIngredientConverter::toInternalOpt(lea));
        EXPECT_EQ(failure([lea] { LogicalIngredientConverter::toInternalOrThrow(lea); }),
            "Invalid external enum value " + std::to_string(value) + " (" + converter + ")");
    }
    for (const int value : { 37, -1 }) {
        const auto core = static_cast<Canister::LogicalCanisterId>(value);
        EXPECT_FALSE(LogicalIngredientConverter::toExternalOpt(core));
        EXPECT_EQ(failure([core] { LogicalIngredientConverter::toExternalOrThrow(core); }),
            "Invalid internal enum value " + std::to_string(value) + " (" + converter + ")");
    }
}

} // namespace
