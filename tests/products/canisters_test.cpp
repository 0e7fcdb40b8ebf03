#include "bridge/localimagestore.h"
#include "bridge/products/canisters.h"
#include "bridge/products/logicalingredientconverter.h"
#include "catalogue/cataloguetest.h"
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
using Level = std::tuple<unsigned int, bool, bool, int32_t, int32_t, int32_t>;
using Calibration = std::tuple<unsigned int, int32_t, int32_t>;

lea::CanisterDbId canisterId(int coreId)
{
    return lea::CanisterDbId(static_cast<unsigned int>(coreId));
}

std::vector<Level> fields(const std::vector<Lea::CanisterLevel>& levels)
{
    std::vector<Level> result;
    for (const Lea::CanisterLevel& l : levels)
        result.emplace_back(l.canister.value(), l.emptyCheckEnabled, l.levelSensorEnabled,
            l.gramsEmptyThreshold, l.weightWhenFull, l.currentLevel);
    return result;
}

std::vector<Calibration> fields(const std::vector<Lea::CanisterCalibration>& calibrations)
{
    std::vector<Calibration> result;
    for (const Lea::CanisterCalibration& c : calibrations)
        result.emplace_back(c.canister.value(), c.calibrationMin, c.calibrationMax);
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
        for (const auto logical : { Canister::NoIngredient, Canister::CoffeeBeans, Canister::MilkPowder,
                 Canister::Chocolate, Canister::Sugar })
            order.push_back(static_cast<unsigned int>(ids.canisters.value(logical)));
        canisters = std::make_unique<bridge::products::Canisters>(nullptr);
    }

    void TearDown() override
    {
        canisters.reset();
        bridge::LocalImageStore::instance().clear();
        CatalogueTest::TearDown();
    }

    /// Canister ids in logical-id order: fresh product, beans, milk powder, chocolate, sugar.
    std::vector<unsigned int> order;
    std::unique_ptr<bridge::products::Canisters> canisters;
};

TEST_F(CanistersTest, ReadsCanistersInLogicalOrder)
{
    configuration().physicalMachine()->addCanister(Canister::CoffeeBeans);
    configuration().canisterByType(Canister::Chocolate)->powderLevel()->setCurrentValue(100);
    machine().guiManager().setCurrentLanguage(QLocale::German);

    const std::vector<Lea::Canister> all = canisters->canisters();

    ASSERT_EQ(all.size(), 5u);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i].id.value(), order[i]);
    EXPECT_EQ(all[0].name, QStringLiteral("Fresh"));
    EXPECT_FALSE(all[0].ingredient);
    EXPECT_TRUE(all[0].typeFlag);
    EXPECT_TRUE(all[0].available);
    EXPECT_TRUE(all[0].allergens.empty());
    EXPECT_FALSE(all[0].installed);

    ASSERT_TRUE(all[1].ingredient);
    EXPECT_EQ(all[1].ingredient->logicalIngredient, Lea::Ingredient7);
    EXPECT_EQ(all[1].ingredient->productName, QStringLiteral("Espresso blend"));
    ASSERT_EQ(all[1].ingredient->productNameTranslations.size(), 1u);
    EXPECT_EQ(all[1].ingredient->productNameTranslations[0].language, QLocale::German);
    EXPECT_EQ(all[1].ingredient->productNameTranslations[0].text, QStringLiteral("Espresso blend"));
    EXPECT_FALSE(all[1].typeFlag);
    EXPECT_TRUE(all[1].installed);

    EXPECT_EQ(all[2].ingredient->logicalIngredient, Lea::Ingredient20);
    ASSERT_EQ(all[2].translations.size(), 1u);
    EXPECT_EQ(all[2].translations[0].text, QStringLiteral("Milchpulver"));
    EXPECT_EQ(all[2].allergens, (std::vector<QString> { QStringLiteral("milk"), QStringLiteral("lactose") }));
    EXPECT_EQ(all[3].ingredient->logicalIngredient, Lea::Ingredient14);
    EXPECT_FALSE(all[3].available);
    EXPECT_EQ(all[4].ingredient->logicalIngredient, Lea::Ingredient6);
    EXPECT_FALSE(all[4].installed);
}

TEST_F(CanistersTest, LevelsAreStoredButNotTheCurrentLevel)
{
    std::vector<Level> expected = fields(canisters->levels());
    ASSERT_EQ(expected.size(), 5u);
    EXPECT_EQ(expected[1], Level(order[1], true, true, 15, 1600, 800));

    canisters->setLevels({ { canisterId(order[1]), false, false, 40, 3000, 1 },
        { canisterId(order[4]), true, true, 7, 900, 2 } });

    reload();
    expected[1] = Level(order[1], false, false, 40, 3000, 800);
    expected[4] = Level(order[4], true, true, 7, 900, 600);
    EXPECT_EQ(fields(canisters->levels()), expected);
}

TEST_F(CanistersTest, CalibrationsAreStored)
{
    std::vector<Calibration> expected { { order[0], 0, 50 }, { order[1], 20, 80 }, { order[2], 10, 90 },
        { order[3], 30, 70 }, { order[4], 0, 100 } };
    EXPECT_EQ(fields(canisters->calibrations()), expected);

    canisters->setCalibrations({ { canisterId(order[1]), 25, 75 }, { canisterId(order[4]), 5, 95 } });

    reload();
    expected[1] = Calibration(order[1], 25, 75);
    expected[4] = Calibration(order[4], 5, 95);
    EXPECT_EQ(fields(canisters->calibrations()), expected);
}

TEST_F(CanistersTest, RecordsOfNoCanisterChangeNothing)
{
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    const std::vector<Level> levels = fields(canisters->levels());
    // Beyond the core's range an id must not wrap round to a negative core id.
    configuration().canisterByType(Canister::NoIngredient)->setId(-1);

    for (const unsigned int id : { 9999u, std::numeric_limits<unsigned int>::max() })
        canisters->setLevels({ { lea::CanisterDbId(id), true, true, 1, 2, 3 } });

    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(
        configuration().canisterByType(Canister::NoIngredient)->powderLevel()->isLevelSensorEnabled());
    clearLog();
    EXPECT_EQ(canisters->levels().size(), 5u);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Expected valid identifier")).size(), 1);
    reload();
    EXPECT_EQ(fields(canisters->levels()), levels);
}

struct CanisterWrite
{
    const char* name;
    std::function<void(Lea&, int)> write;
};

void PrintTo(const CanisterWrite& write, std::ostream* os)
{
    *os << write.name;
}

class CanisterWriteFailure : public CanistersTest, public ::testing::WithParamInterface<CanisterWrite>
{
};

TEST_P(CanisterWriteFailure, LeavesTheDatabaseAsItWas)
{
    execute(QStringLiteral("CREATE TRIGGER injected_failure BEFORE UPDATE ON Canisters BEGIN SELECT "
                           "RAISE(ABORT, 'injected'); END"));
    const QStringList before = snapshot();
    const auto levels = fields(canisters->levels());
    const auto calibrations = fields(canisters->calibrations());

    GetParam().write(*canisters, static_cast<int>(order[1]));

    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(logEntriesContaining(QStringLiteral("injected")).isEmpty());
    reload();
    EXPECT_EQ(fields(canisters->levels()), levels);
    EXPECT_EQ(fields(canisters->calibrations()), calibrations);
}

INSTANTIATE_TEST_SUITE_P(Canisters, CanisterWriteFailure,
    ::testing::Values(CanisterWrite { "Levels",
                          [](Lea& c, int id) {
                              c.setLevels({ { canisterId(id), false, false, 40, 3000, 0 } });
                          } },
        CanisterWrite { "Calibrations",
            [](Lea& c, int id) {
                c.setCalibrations({ { canisterId(id), 25, 75 } });
            } }),
    [](const ::testing::TestParamInfo<CanisterWrite>& info) { return std::string(info.param.name); });

TEST_F(CanistersTest, ImagesAndAllergensComeFromTheConfiguration)
{
    const QByteArray brand = pngBase64(Qt::blue);
    const QByteArray picture = pngBase64(Qt::green);
    const int beans = static_cast<int>(order[1]);
    ConfigurationLoader& loader = *configuration().loader();
    ASSERT_TRUE(
        loader.saveImage(ConfigurationLoader::ImageOwner::Canister, QStringLiteral("brand"), beans, brand));
    ASSERT_TRUE(
        loader.saveImage(ConfigurationLoader::ImageOwner::Canister, QStringLiteral("image"), beans, picture));

    EXPECT_EQ(canisters->getFirstImageBase64(canisterId(beans)), brand);
    EXPECT_EQ(canisters->getSecondImageBase64(canisterId(beans)), picture);
    EXPECT_TRUE(canisters->getFirstImageBase64(canisterId(order[2])).isEmpty());
    const QFileInfo first = canisters->getFirstImagePath(canisterId(beans));
    const QFileInfo second = canisters->getSecondImagePath(canisterId(beans));
    EXPECT_TRUE(first.exists() && second.exists());
    EXPECT_NE(first.filePath(), second.filePath());
    EXPECT_TRUE(
        first.filePath().startsWith(bridge::LocalImageStore::CanisterFolder + QStringLiteral("brand_")));
    EXPECT_TRUE(canisters->getSecondImagePath(canisterId(order[2])).filePath().isEmpty());
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
    const lea::CanisterDbId id = canisterId(order[1]);
    const std::vector<std::pair<const char*, std::function<bool()>>> operations = {
        { "levels()", [&] { return canisters->levels().empty(); } },
        { "setLevels(",
            [&] {
                return canisters->setLevels({ { id, true, true, 1, 1, 1 } }), true;
            } },
        { "calibrations()", [&] { return canisters->calibrations().empty(); } },
        { "setCalibrations(",
            [&] {
                return canisters->setCalibrations({ { id, 1, 2 } }), true;
            } },
        { "canisters()", [&] { return canisters->canisters().empty(); } },
        { "getFirstImageBase64(", [&] { return canisters->getFirstImageBase64(id).isEmpty(); } },
        { "getSecondImageBase64(", [&] { return canisters->getSecondImageBase64(id).isEmpty(); } },
        { "getGlobalAllergens()", [&] { return canisters->getGlobalAllergens().isEmpty(); } },
    };
    for (const auto& operation : operations) {
        clearLog();
        EXPECT_TRUE(operation.second()) << operation.first;
        const QList<LogEntry> entries = logEntries();
        ASSERT_EQ(entries.size(), 1) << operation.first;
        EXPECT_EQ(entries[0].level, LogLevel::Warning);
        EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Global") });
        EXPECT_TRUE(entries[0].text.contains(QLatin1String("bridge::products::Canisters::") + operation.first)
            && entries[0].text.endsWith(QLatin1String("Configuration is not loaded. Operation canceled.")))
            << qPrintable(entries[0].text);
    }
    clearLog();
    EXPECT_TRUE(canisters->getFirstImagePath(id).filePath().isEmpty());
    EXPECT_TRUE(canisters->getSecondImagePath(id).filePath().isEmpty());
    EXPECT_TRUE(logEntries().isEmpty());
    EXPECT_EQ(snapshot(), before);
}

TEST(CanistersSplitString, CutsAtCommasKeepingEveryPieceButAFinalEmptyOne)
{
    const std::vector<std::pair<const char*, std::vector<const char*>>> cases
        = { { "", {} }, { "milk", { "milk" } }, { "milk,,soy,", { "milk", "", "soy" } },
              { " milk , soy", { " milk ", " soy" } }, { ",", { "" } }, { ",nuts", { "", "nuts" } },
              { "a,b,,", { "a", "b", "" } } };
    for (const auto& c : cases) {
        const std::vector<QString> expected(c.second.begin(), c.second.end());
        EXPECT_EQ(bridge::products::Canisters::splitString(QString::fromUtf8(c.first)), expected) << c.first;
    }
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

TEST(LogicalIngredientConverter, ConvertsTheListedPairsAndRejectsTheOthers)
{
    // The core value of each interface value 0 to 39; -1 where there is none.
    const int coreOf[] = { 13, 34, 15, 3, 35, 18, 7, 1, 9, 24, 11, 20, 21, 14, 5, 19, 17, 36, 2, 16, 4, 12, 8,
        23, 32, 33, 25, 22, 6, 27, 26, 28, 29, 30, 31, 10, -1, -1, 0, -1 };
    using Core = Canister::LogicalCanisterId;
    const std::string converter = LogicalIngredientConverter::converter();
    EXPECT_NE(converter.find("InternalType = Canister::LogicalCanisterId; "
                             "ExternalType = lea::products::Canisters::LogicalIngredient"),
        std::string::npos);
    const auto rejection = [&](const char* side, int value) {
        return std::string("Invalid ") + side + " enum value " + std::to_string(value) + " (" + converter
            + ")";
    };
    for (int external = -1; external < 40; ++external) {
        const auto lea = static_cast<Lea::LogicalIngredient>(external);
        const int core = external < 0 ? -1 : coreOf[external];
        if (core < 0) {
            EXPECT_FALSE(LogicalIngredientConverter::toInternalOpt(lea)) << external;
            EXPECT_EQ(failure([lea] { LogicalIngredientConverter::toInternalOrThrow(lea); }),
                rejection("external", external));
            continue;
        }
        EXPECT_EQ(LogicalIngredientConverter::toInternalOrThrow(lea), static_cast<Core>(core)) << external;
        EXPECT_EQ(LogicalIngredientConverter::toExternalOrThrow(static_cast<Core>(core)), lea) << external;
    }
    EXPECT_EQ(LogicalIngredientConverter::convertibleInternalValues().size(), 37u);
    for (const int core : { 37, -1 }) {
        EXPECT_FALSE(LogicalIngredientConverter::toExternalOpt(static_cast<Core>(core)));
        EXPECT_EQ(failure([core] { LogicalIngredientConverter::toExternalOrThrow(static_cast<Core>(core)); }),
            rejection("internal", core));
    }
}

} // namespace
