#include "bridge/localimagestore.h"
#include "bridge/products/canisters.h"
#include "core/gui/guimanager.h"
#include "core/machine/physicalmachine.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <QBuffer>
#include <QImage>
#include <tuple>

namespace {

using Lea = lea::products::Canisters;
using Level = std::tuple<unsigned int, bool, bool, int32_t, int32_t, int32_t>;
using Calibration = std::tuple<unsigned int, int32_t, int32_t>;

const auto canisterId = [](int coreId) { return lea::CanisterDbId(static_cast<unsigned int>(coreId)); };

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
    // The fresh-product canister has no ingredient (the interface's NoIngredient).
    EXPECT_EQ(all[0].name, QStringLiteral("Fresh"));
    EXPECT_FALSE(all[0].ingredient);
    EXPECT_TRUE(all[0].typeFlag && all[0].available && !all[0].installed);

    ASSERT_TRUE(all[1].ingredient);
    EXPECT_EQ(all[1].ingredient->logicalIngredient, Lea::Ingredient7);
    EXPECT_EQ(all[1].ingredient->productName, QStringLiteral("Espresso blend"));
    ASSERT_EQ(all[1].ingredient->productNameTranslations.size(), 1u);
    EXPECT_EQ(all[1].ingredient->productNameTranslations[0].language, QLocale::German);
    EXPECT_TRUE(!all[1].typeFlag && all[1].installed);

    ASSERT_EQ(all[2].translations.size(), 1u);
    EXPECT_EQ(all[2].translations[0].text, QStringLiteral("Milchpulver"));
    EXPECT_EQ(all[2].allergens, (std::vector<QString> { QStringLiteral("milk"), QStringLiteral("lactose") }));
    EXPECT_EQ(all[3].ingredient->logicalIngredient, Lea::Ingredient14);
    EXPECT_FALSE(all[3].available);
    EXPECT_FALSE(all[4].installed);
}

TEST_F(CanistersTest, LevelsAndCalibrationsAreStoredButNotTheCurrentLevel)
{
    std::vector<Level> levels = fields(canisters->levels());
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(levels[1], Level(order[1], true, true, 15, 1600, 800));
    std::vector<Calibration> calibrations { { order[0], 0, 50 }, { order[1], 20, 80 }, { order[2], 10, 90 },
        { order[3], 30, 70 }, { order[4], 0, 100 } };
    EXPECT_EQ(fields(canisters->calibrations()), calibrations);

    canisters->setLevels({ { canisterId(order[1]), false, false, 40, 3000, 1 },
        { canisterId(order[4]), true, true, 7, 900, 2 } });
    canisters->setCalibrations({ { canisterId(order[1]), 25, 75 }, { canisterId(order[4]), 5, 95 } });

    reload();
    levels[1] = Level(order[1], false, false, 40, 3000, 800);
    levels[4] = Level(order[4], true, true, 7, 900, 600);
    EXPECT_EQ(fields(canisters->levels()), levels);
    calibrations[1] = Calibration(order[1], 25, 75);
    calibrations[4] = Calibration(order[4], 5, 95);
    EXPECT_EQ(fields(canisters->calibrations()), calibrations);
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

class CanisterWriteFailure : public CanistersTest, public ::testing::WithParamInterface<void (*)(Lea&, int)>
{
};

TEST_P(CanisterWriteFailure, LeavesTheDatabaseAsItWas)
{
    execute(QStringLiteral("CREATE TRIGGER injected_failure BEFORE UPDATE ON Canisters BEGIN SELECT "
                           "RAISE(ABORT, 'injected'); END"));
    const QStringList before = snapshot();
    const auto levels = fields(canisters->levels());
    const auto calibrations = fields(canisters->calibrations());

    GetParam()(*canisters, static_cast<int>(order[1]));

    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed saving canister")).size(), 1);
    // Memory agrees with the database, before and after a reload.
    for (const bool reloaded : { false, true }) {
        if (reloaded)
            reload();
        EXPECT_EQ(fields(canisters->levels()), levels);
        EXPECT_EQ(fields(canisters->calibrations()), calibrations);
    }
}

INSTANTIATE_TEST_SUITE_P(Canisters, CanisterWriteFailure,
    ::testing::Values(
        [](Lea& c, int id) {
            c.setLevels({ { canisterId(id), false, false, 40, 3000, 0 } });
        },
        [](Lea& c, int id) {
            c.setCalibrations({ { canisterId(id), 25, 75 } });
        }));

TEST_F(CanistersTest, ImagesAndAllergensComeFromTheConfiguration)
{
    const QByteArray brand = pngBase64(Qt::blue);
    const QByteArray picture = pngBase64(Qt::green);
    const int beans = static_cast<int>(order[1]);
    for (const auto& [name, image] : { std::make_pair("brand", brand), std::make_pair("image", picture) })
        ASSERT_TRUE(configuration().loader()->saveImage(
            ConfigurationLoader::ImageOwner::Canister, QLatin1String(name), beans, image));

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

using Accessor = bridge::products::Canisters;
const lea::CanisterDbId kAny(1);
const GuardCase<Accessor> kGuard[] = {
    { "levels", [](Accessor& a) { return a.levels().empty(); } },
    { "setLevels",
        [](Accessor& a) {
            return a.setLevels({ { kAny, true, true, 1, 1, 1 } }), true;
        } },
    { "calibrations", [](Accessor& a) { return a.calibrations().empty(); } },
    { "setCalibrations",
        [](Accessor& a) {
            return a.setCalibrations({ { kAny, 1, 2 } }), true;
        } },
    { "canisters", [](Accessor& a) { return a.canisters().empty(); } },
    { "getFirstImageBase64", [](Accessor& a) { return a.getFirstImageBase64(kAny).isEmpty(); } },
    // Image paths come from the image store alone: nothing to log.
    { "getFirstImagePath", [](Accessor& a) { return a.getFirstImagePath(kAny).filePath().isEmpty(); },
        false },
    { "getSecondImageBase64", [](Accessor& a) { return a.getSecondImageBase64(kAny).isEmpty(); } },
    { "getSecondImagePath", [](Accessor& a) { return a.getSecondImagePath(kAny).filePath().isEmpty(); },
        false },
    { "getGlobalAllergens", [](Accessor& a) { return a.getGlobalAllergens().isEmpty(); } },
};
GUARD_TEST(CanistersGuard, lea::products::Canisters, Accessor, kGuard);

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

} // namespace
