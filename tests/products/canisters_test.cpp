#include "core/gui/guimanager.h"
#include "core/machine/physicalmachine.h"
#include "products/records.h"

#include <limits>

namespace {

using Lea = lea::products::Canisters;
using Id = lea::CanisterDbId;
using Level = std::tuple<unsigned int, bool, bool, int32_t, int32_t, int32_t>;
using Calibration = std::tuple<unsigned int, int32_t, int32_t>;

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

class CanistersTest : public AccessorTest<Lea, bridge::products::Canisters>
{
protected:
    void SetUp() override
    {
        AccessorTest::SetUp();
        for (const auto logical : { Canister::NoIngredient, Canister::CoffeeBeans, Canister::MilkPowder,
                 Canister::Chocolate, Canister::Sugar })
            order.push_back(unsigned(ids.canisters.value(logical)));
    }

    /// Canister ids in logical-id order: fresh product, beans, milk powder, chocolate, sugar.
    std::vector<unsigned int> order;
};

TEST_F(CanistersTest, ReadsCanistersInLogicalOrder)
{
    configuration().physicalMachine()->addCanister(Canister::CoffeeBeans);
    configuration().canisterByType(Canister::Chocolate)->powderLevel()->setCurrentValue(100);
    machine().guiManager().setCurrentLanguage(QLocale::German);

    const std::vector<Lea::Canister> all = accessor->canisters();
    ASSERT_EQ(all.size(), 5u);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i].id.value(), order[i]);
    // The fresh-product canister has no ingredient (the interface's NoIngredient).
    EXPECT_EQ(all[0].name, QStringLiteral("Fresh"));
    EXPECT_FALSE(all[0].ingredient);
    EXPECT_TRUE(all[0].typeFlag && all[0].available && !all[0].installed);

    const auto beans = all[1].ingredient.value_or(Lea::Ingredient {});
    EXPECT_EQ(std::make_pair(beans.logicalIngredient, beans.productName),
        std::make_pair(Lea::Ingredient7, QStringLiteral("Espresso blend")));
    ASSERT_EQ(beans.productNameTranslations.size(), 1u);
    EXPECT_EQ(beans.productNameTranslations[0].language, QLocale::German);
    EXPECT_TRUE(!all[1].typeFlag && all[1].installed);

    EXPECT_EQ(texts(all[2].translations), (Texts { { QLocale::German, "Milchpulver" } }));
    EXPECT_EQ(all[2].allergens, (std::vector<QString> { QStringLiteral("milk"), QStringLiteral("lactose") }));
    EXPECT_EQ(all[3].ingredient->logicalIngredient, Lea::Ingredient14);
    EXPECT_FALSE(all[3].available || all[4].installed);

    // A logical id without interface partner is refused.
    configuration().canisterByType(Canister::Sugar)->setLogicalCanisterId(Canister::LogicalCanisterId(37));
    EXPECT_THROW(accessor->canisters(), std::invalid_argument);
}

TEST_F(CanistersTest, LevelsAndCalibrationsAreStoredButNotTheCurrentLevel)
{
    std::vector<Level> levels = fields(accessor->levels());
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(levels[1], Level(order[1], true, true, 15, 1600, 800));
    std::vector<Calibration> calibrations { { order[0], 0, 50 }, { order[1], 20, 80 }, { order[2], 10, 90 },
        { order[3], 30, 70 }, { order[4], 0, 100 } };
    EXPECT_EQ(fields(accessor->calibrations()), calibrations);

    accessor->setLevels(
        { { Id(order[1]), false, false, 40, 3000, 1 }, { Id(order[4]), true, true, 7, 900, 2 } });
    accessor->setCalibrations({ { Id(order[1]), 25, 75 }, { Id(order[4]), 5, 95 } });

    reload();
    levels[1] = Level(order[1], false, false, 40, 3000, 800);
    levels[4] = Level(order[4], true, true, 7, 900, 600);
    EXPECT_EQ(fields(accessor->levels()), levels);
    calibrations[1] = Calibration(order[1], 25, 75);
    calibrations[4] = Calibration(order[4], 5, 95);
    EXPECT_EQ(fields(accessor->calibrations()), calibrations);
}

TEST_F(CanistersTest, RecordsOfNoCanisterChangeNothing)
{
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();
    const std::vector<Level> levels = fields(accessor->levels());
    // Beyond the core's range an id must not wrap round to a negative core id.
    Canister& fresh = *configuration().canisterByType(Canister::NoIngredient);
    fresh.setId(-1);
    for (const unsigned int id : { 9999u, std::numeric_limits<unsigned int>::max() })
        accessor->setLevels({ { Id(id), true, true, 1, 2, 3 } });

    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(fresh.powderLevel()->isLevelSensorEnabled());
    clearLog();
    EXPECT_EQ(accessor->levels().size(), 5u);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Expected valid identifier")).size(), 1);
    reload();
    EXPECT_EQ(fields(accessor->levels()), levels);
}

TEST_F(CanistersTest, ImagesAndAllergensComeFromTheConfiguration)
{
    const QByteArray brand = pngBase64(Qt::blue), picture = pngBase64(Qt::green);
    const Id beans(order[1]), milk(order[2]);
    for (const auto& [name, image] : { std::make_pair("brand", brand), std::make_pair("image", picture) })
        ASSERT_TRUE(configuration().loader()->saveImage(
            ConfigurationLoader::ImageOwner::Canister, QLatin1String(name), int(order[1]), image));

    EXPECT_EQ(std::make_pair(accessor->getFirstImageBase64(beans), accessor->getSecondImageBase64(beans)),
        std::make_pair(brand, picture));
    EXPECT_TRUE(accessor->getFirstImageBase64(milk).isEmpty());
    const QFileInfo first = accessor->getFirstImagePath(beans), second = accessor->getSecondImagePath(beans);
    EXPECT_TRUE(first.exists() && second.exists());
    EXPECT_NE(first.filePath(), second.filePath());
    EXPECT_TRUE(
        first.filePath().startsWith(bridge::LocalImageStore::CanisterFolder + QStringLiteral("brand_")));
    EXPECT_TRUE(accessor->getSecondImagePath(milk).filePath().isEmpty());
    EXPECT_EQ(accessor->getGlobalAllergens(), QStringLiteral("gluten,nuts"));
}

using Accessor = bridge::products::Canisters;
const Id kAny(1);
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
    for (const auto& [text, pieces] : cases)
        EXPECT_EQ(bridge::products::Canisters::splitString(QString::fromUtf8(text)),
            std::vector<QString>(pieces.begin(), pieces.end()))
            << text;
}

} // namespace
