#include "bridge/products/customizationconverter.h"
#include "bridge/products/customizations.h"
#include "bridge/products/customizationtypeenumconverter.h"
#include "core/catalogue/totalquantityadjustment.h"
#include "core/selection/userselectionmanager.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"

#include <gmock/gmock.h>
#include <QSignalSpy>

namespace {

using Lea = lea::products::Customizations;
using Core = RecipeCustomization;
using Accessor = bridge::products::Customizations;
using Types = bridge::products::CustomizationTypeEnumConverter;
using Converter = bridge::products::CustomizationConverter;
using CId = lea::CustomizationDbId;
using AId = lea::CustomizationAdjustmentDbId;
using RId = lea::RecipeDbId;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// (interface, core) as the machine documents them; core 25 also reads as 7.
const int kTypePairs[][2] = { { 0, 6 }, { 1, 0 }, { 2, 5 }, { 4, 10 }, { 5, 1 }, { 7, 2 }, { 8, 8 }, { 9, 4 },
    { 10, 20 }, { 11, 21 }, { 12, 14 }, { 13, 12 }, { 14, 11 }, { 15, 15 }, { 16, 13 }, { 17, 9 }, { 19, 7 },
    { 20, 19 }, { 21, 16 }, { 22, 17 }, { 23, 18 }, { 24, 22 }, { 25, 23 }, { 26, 24 }, { 27, 26 } };

TEST(CustomizationTypeEnumConverter, TypesReadAndWriteBackAndValuesWithoutPartnerAreRefused)
{
    for (const auto& [lea, core] : kTypePairs) {
        EXPECT_EQ(Types::toExternalOrThrow(Core::CustomizationType(core)), lea) << core;
        EXPECT_EQ(Types::toInternalOrThrow(Lea::CustomizationType(lea)), core) << lea;
    }
    EXPECT_EQ(Types::toExternalOrThrow(Core::MilkAlternativeCustomization), Lea::Type7);
    EXPECT_EQ(Types::convertibleInternalValues().size(), 26u);
    EXPECT_EQ(Types::convertibleExternalValues().size(), 25u);
    // With the sizes above every value outside the table is refused.
    EXPECT_THAT([] { Types::toInternalOrThrow(Lea::Type3); },
        ::testing::ThrowsMessage<std::invalid_argument>(
            std::string("Invalid external enum value 3 (") + Types::converter() + ")"));
}

Lea::Adjustment powderRecord(int deltaMin, int deltaMax)
{
    Lea::Adjustment record;
    record.type = Lea::PowderDosage;
    record.powder = Lea::Adjustment::Powder { lea::products::Canisters::Ingredient7, deltaMin, deltaMax };
    return record;
}

Lea::Customization namedRecord(const QString& name, Lea::CustomizationType type = Lea::Type1)
{
    Lea::Customization record;
    record.type = type;
    record.name = name;
    record.translations = { lea::Translation { QLocale::German, {}, name + QStringLiteral(" (de)"), {} } };
    return record;
}

class Customizations : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        accessor = std::make_unique<Accessor>(nullptr);
    }

    void TearDown() override
    {
        accessor.reset();
        CatalogueTest::TearDown();
    }

    Lea::Customization customization(int coreId) const
    {
        return accessor->customization(CId(coreId)).value_or(Lea::Customization {});
    }
    nonstd::optional<Lea::Adjustment> adjustment(int coreId) const
    {
        return accessor->adjustment(AId(coreId));
    }
    RId cappuccino() const { return RId(ids.cappuccino); }

    std::unique_ptr<Accessor> accessor;
};

TEST_F(Customizations, ReadsTheLoadedCustomizationAndAdjustments)
{
    const Lea::Customization sugar = customization(ids.sugarCustomization);
    EXPECT_EQ(std::make_tuple(sugar.type, sugar.icon, sugar.name, sugar.translations.size()),
        std::make_tuple(Lea::Sugar, Lea::Icon4, QStringLiteral("Sugar"), std::size_t(2)));
    EXPECT_EQ(std::make_tuple(sugar.defaultIndex, sugar.stepCount, sugar.horizontal),
        std::make_tuple(uint8_t(2), uint8_t(5), 1));
    EXPECT_EQ(sugar.stepsCountsAvailable, (QList<int> { 0, 1, 2, 3, 4 }));
    EXPECT_THAT(sugar.adjustments, ElementsAre(AId(ids.sugarAdjustment)));
    EXPECT_FALSE(accessor->customization(CId(9999)));

    // The cost variation is the low byte of its integer part, whatever the float.
    for (const auto& [stored, read] :
        std::vector<std::pair<float, int>> { { 3.9f, 3 }, { 300.7f, 44 }, { -1.5f, 255 }, { 1e20f, 0 } }) {
        const Core core(Core::SugarCustomization, QString(), 0, 0, 1, stored, 0, 0, Core::NoIcon, 0, 0);
        EXPECT_EQ(Converter::coreCustomizationToLeaCustomization(core).costVariation, read) << stored;
    }

    // A total quantity reads as a byte and has no powder limits.
    TotalQuantityAdjustment total(
        recipe(ids.cappuccino).customizationByType(Core::MilkAlternativeCustomization), 300);
    ASSERT_TRUE(configuration().saveAdjustment(&total, ids.cappuccino));
    reload();
    const auto quantity = adjustment(total.dbId());
    ASSERT_TRUE(quantity);
    EXPECT_EQ(std::make_tuple(quantity->type, quantity->quantity, bool(quantity->powder || quantity->water)),
        std::make_tuple(Lea::TotalQuantity, nonstd::optional<uint8_t>(44), false));
    EXPECT_FALSE(accessor->powderMaxLimits(AId(total.dbId())));
}

TEST_F(Customizations, UpdateReplacesTheStoredRowButNotTheLoadedObject)
{
    Lea::Customization sugar = namedRecord(QStringLiteral("Sweetness"), Lea::Sugar);
    sugar.stepCount = 3;
    sugar.extraText = QStringLiteral("note");
    accessor->updateCustomization(CId(ids.sugarCustomization), sugar);
    // Milk alternative reads as milk and is written back as milk.
    accessor->updateCustomization(CId(ids.milkCustomization), customization(ids.milkCustomization));

    EXPECT_EQ(customization(ids.sugarCustomization).name, "Sugar");
    reload();
    const Lea::Customization read = customization(ids.sugarCustomization);
    EXPECT_EQ(std::make_tuple(read.name, read.stepCount, read.extraText),
        std::make_tuple(QStringLiteral("Sweetness"), uint8_t(3), nonstd::optional<QString>("note")));
    ASSERT_EQ(read.translations.size(), 1u);
    EXPECT_EQ(read.translations[0].text, "Sweetness (de)");
    // The parameter settings, which the record does not carry, stay as stored.
    const Core* stored = recipe(ids.cappuccino).customizationByType(Core::SugarCustomization);
    EXPECT_EQ(std::make_tuple(stored->parameterKind(), stored->parameterMin(), stored->parameterMax()),
        std::make_tuple(2, 1, 9));
    const Core* milk = recipe(ids.cappuccino).customizationByType(Core::MilkCustomization);
    ASSERT_NE(milk, nullptr);
    EXPECT_EQ(milk->dbId(), ids.milkCustomization);
    EXPECT_EQ(customization(ids.milkCustomization).type, Lea::Type7);
}

TEST_F(Customizations, CustomizationsAndAdjustmentsAreAddedUpdatedAndDeleted)
{
    Lea::Customization shot = namedRecord(QStringLiteral("Extra shot"), Lea::Type16);
    shot.costVariation = 40;
    const auto addedShot = accessor->addCustomization(shot, cappuccino());
    ASSERT_TRUE(addedShot);
    const int shotId = int(addedShot->value());
    EXPECT_EQ(customization(shotId).name, "Extra shot");
    const auto added
        = accessor->addAdjustment(powderRecord(-30, 40), CId(ids.sugarCustomization), cappuccino());
    ASSERT_TRUE(added);
    const int coreId = int(added->value());
    reload();
    EXPECT_EQ(recipe(ids.cappuccino).customizations().last()->dbId(), shotId);
    EXPECT_EQ(std::make_tuple(customization(shotId).costVariation, customization(shotId).translations.size()),
        std::make_tuple(40, std::size_t(1)));
    ASSERT_TRUE(adjustment(coreId));
    EXPECT_EQ(adjustment(coreId)->powder->deltaMax, 40);
    EXPECT_THAT(
        customization(ids.sugarCustomization).adjustments, ElementsAre(AId(ids.sugarAdjustment), *added));

    Lea::Adjustment changed = powderRecord(-10, 90);
    changed.extraText = QStringLiteral("coarse");
    accessor->updateAdjustment(*added, changed);
    reload();
    EXPECT_EQ(adjustment(coreId)->powder->deltaMin, -10);
    EXPECT_EQ(adjustment(coreId)->extraText, QStringLiteral("coarse"));

    accessor->deleteAdjustment(*added);
    EXPECT_FALSE(adjustment(coreId));
    accessor->deleteCustomization(CId(ids.sugarCustomization));
    EXPECT_FALSE(accessor->customization(CId(ids.sugarCustomization)));
    reload();
    EXPECT_FALSE(adjustment(coreId));
    EXPECT_FALSE(accessor->customization(CId(ids.sugarCustomization)));
    EXPECT_FALSE(adjustment(ids.sugarAdjustment));
    EXPECT_TRUE(adjustment(ids.milkAdjustment));
}

TEST_F(Customizations, AdjustmentOfAnotherKindIsNotUpdated)
{
    Lea::Adjustment water;
    water.water = Lea::Adjustment::Water { lea::products::Recipes::Instant, 0, 5 };
    water.extraText = QStringLiteral("ignored");
    const quint32 before = databaseChangeCounter();
    accessor->updateAdjustment(AId(ids.sugarAdjustment), water);

    const auto entries = logEntriesContaining(QStringLiteral("Cannot update adjustment"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Error);
    EXPECT_EQ(entries[0].items.mid(1),
        (QStringList { "Cannot update adjustment ", QString("\"%1\"").arg(ids.sugarAdjustment) }));
    EXPECT_EQ(databaseChangeCounter(), before);
    EXPECT_EQ(adjustment(ids.sugarAdjustment)->extraText, QStringLiteral("sugar scale"));
}

TEST_F(Customizations, MissingTargetsAndUnstorableRecordsAreRefusedAndLeaveNoTrace)
{
    const quint32 before = databaseChangeCounter();
    EXPECT_FALSE(accessor->addCustomization(Lea::Customization {}, RId(9999)));
    EXPECT_FALSE(accessor->addAdjustment(powderRecord(0, 1), CId(9999), cappuccino()));
    EXPECT_FALSE(accessor->addAdjustment(powderRecord(0, 1), CId(ids.sugarCustomization), RId(9999)));
    // The espresso does not offer the cappuccino's sugar: its adjustment would be lost on the next load.
    EXPECT_FALSE(accessor->addAdjustment(powderRecord(0, 1), CId(ids.sugarCustomization), RId(ids.espresso)));
    accessor->updateCustomization(CId(9999), Lea::Customization {});
    QStringList texts;
    for (const LogEntry& entry : logEntries())
        texts << entry.items.mid(1).join(' ') + QString(" @%1").arg(int(entry.level));
    EXPECT_EQ(texts,
        (QStringList { "Recipe not found in configuration @3", "Customization not found in configuration @3",
            "Recipe not found in configuration @3", "Customization not found in recipe @3",
            "can't find requested customization @4" }));

    Lea::Adjustment quantity;
    quantity.type = Lea::TotalQuantity;
    EXPECT_FALSE(accessor->addAdjustment(quantity, CId(ids.sugarCustomization), cappuccino()));
    EXPECT_THROW(
        accessor->addCustomization(namedRecord("Legacy", Lea::Type3), cappuccino()), std::invalid_argument);
    Lea::Adjustment water;
    water.water = Lea::Adjustment::Water { lea::products::Recipes::StepType(5), 0, 1 };
    EXPECT_THROW(
        accessor->addAdjustment(water, CId(ids.milkCustomization), cappuccino()), std::invalid_argument);
    EXPECT_EQ(databaseChangeCounter(), before);
    EXPECT_EQ(recipe(ids.cappuccino).customizationAdjustments().size(), 2);
}

TEST_F(Customizations, PowderLimitsDependOnTheCanister)
{
    using Limits = nonstd::optional<QPair<int, int>>;
    EXPECT_EQ(accessor->powderMaxLimits(AId(ids.sugarAdjustment)), Limits(qMakePair(100, 300)));
    EXPECT_EQ(accessor->powderMaxLimits(AId(ids.strengthAdjustment)), Limits(qMakePair(100, 150)));
    EXPECT_EQ(accessor->powderMinLimits(AId(ids.strengthAdjustment)), Limits(qMakePair(50, 100)));
    EXPECT_EQ(accessor->powderMaxLimits(AId(ids.milkAdjustment)), Limits());
    EXPECT_EQ(accessor->powderMinLimits(AId(ids.milkAdjustment)), Limits());
    EXPECT_EQ(accessor->powderMinLimits(AId(9999)), Limits());
}

std::unique_ptr<Core> makePreselection(Core::CustomizationType type)
{
    return std::make_unique<Core>(
        type, QStringLiteral("Preselection"), 0, 0, 5, 0.0f, 0, 0, Core::NoIcon, 0, 0);
}

TEST_F(Customizations, CommonCustomizationsFollowReplacedPreselections)
{
    UserSelectionManager& manager = *gCoreEnv->userSelectionManager();
    EXPECT_FALSE(accessor->commonCustomization(Lea::Sugar));
    accessor->setCommonCustomizationStep(Lea::Sugar, 1);
    EXPECT_FALSE(accessor->commonCustomizations());

    qRegisterMetaType<Lea::CustomizationType>();
    QSignalSpy spy(accessor.get(), &Lea::commonCustomizationModified);
    manager.setSugarPreselection(makePreselection(Core::SugarCustomization));
    manager.sugarPreselection()->setCurrentChoiceIndex(3);
    manager.setCupPreselection(makePreselection(Core::CupCustomization));
    manager.cupPreselection()->setIsAvailable(false);
    // The replaced object goes; its successor is followed in the same way.
    manager.setSugarPreselection(makePreselection(Core::SugarCustomization));
    accessor->setCommonCustomizationStep(Lea::Sugar, 4);
    accessor->setCommonCustomizationStep(Lea::Type1, 2);

    QList<int> emitted;
    for (const QList<QVariant>& arguments : spy)
        emitted << arguments.at(0).value<Lea::CustomizationType>();
    EXPECT_EQ(emitted, (QList<int> { Lea::Sugar, Lea::Cup, Lea::Sugar }));
    EXPECT_EQ(accessor->commonCustomization(Lea::Sugar)->currentChoiceIndex, 4);
    EXPECT_FALSE(accessor->commonCustomization(Lea::Cup)->available);
    EXPECT_FALSE(accessor->commonCustomization(Lea::Type1));
}

TEST_F(Customizations, CurrentCustomizationsComeFromTheSelectionRecipe)
{
    UserSelectionManager& manager = *gCoreEnv->userSelectionManager();
    Lea::Customization sugar = namedRecord({}, Lea::Sugar);
    sugar.currentChoiceIndex = 4;
    accessor->setCurrentCustomizationStep(sugar);
    ASSERT_TRUE(accessor->currentCustomizations());
    EXPECT_TRUE(accessor->currentCustomizations()->empty());

    manager.setSelectionRecipe(configuration().loadAndFillRecipe(ids.cappuccino));
    const auto current = accessor->currentCustomizations().value_or(std::vector<Lea::Customization> {});
    ASSERT_EQ(current.size(), 2u);
    EXPECT_EQ(current[0].type, Lea::Sugar);
    EXPECT_EQ(current[1].name, "Milk alternative");

    accessor->setCurrentCustomizationStep(sugar);
    const Core* selected = manager.selectionRecipe()->customizationByType(Core::SugarCustomization);
    EXPECT_EQ(selected->currentChoiceIndex(), 4);
    EXPECT_EQ(selected->forcedIndex(), 4);
    // Type 7 writes milk, which the selection (holding milk alternative) lacks.
    Lea::Customization milk = current[1];
    milk.currentChoiceIndex = 1;
    accessor->setCurrentCustomizationStep(milk);
    EXPECT_EQ(manager.selectionRecipe()->customizations().at(1)->forcedIndex(), -1);
}

const GuardCase<Accessor> kGuard[] = {
    { "customization", [](Accessor& a) { return !a.customization(CId(0)); } },
    { "currentCustomizations", [](Accessor& a) { return a.currentCustomizations()->empty(); }, false },
    { "addCustomization", [](Accessor& a) { return !a.addCustomization({}, RId(0)); } },
    { "setCurrentCustomizationStep", [](Accessor& a) { return a.setCurrentCustomizationStep({}), true; },
        false },
    { "updateCustomization", [](Accessor& a) { return a.updateCustomization(CId(0), {}), true; } },
    { "deleteCustomization", [](Accessor& a) { return a.deleteCustomization(CId(0)), true; } },
    { "adjustment", [](Accessor& a) { return !a.adjustment(AId(0)); } },
    { "addAdjustment", [](Accessor& a) { return !a.addAdjustment({}, CId(0), RId(0)); } },
    { "updateAdjustment", [](Accessor& a) { return a.updateAdjustment(AId(0), {}), true; } },
    { "deleteAdjustment", [](Accessor& a) { return a.deleteAdjustment(AId(0)), true; } },
    { "commonCustomizations", [](Accessor& a) { return !a.commonCustomizations(); }, false },
    { "commonCustomization", [](Accessor& a) { return !a.commonCustomization(Lea::Sugar); }, false },
    { "setCommonCustomizationStep",
        [](Accessor& a) { return a.setCommonCustomizationStep(Lea::Sugar, 1), true; }, false },
    { "applyCustomizations", [](Accessor& a) { return a.applyCustomizations(), true; }, false },
    { "powderMinLimits", [](Accessor& a) { return !a.powderMinLimits(AId(0)); } },
    { "powderMaxLimits", [](Accessor& a) { return !a.powderMaxLimits(AId(0)); } },
};
GUARD_TEST(CustomizationsGuard, lea::products::Customizations, Accessor, kGuard);

struct InjectedFailure
{
    const char* operation;
    const char* trigger;
    const char* logged;
    LogLevel::Level level;
    void (*write)(Accessor& a, const TestCatalogue& ids);
};

const InjectedFailure kFailures[] = {
    { "addCustomization", "INSERT ON Customizations", "Failed saving customization to database",
        LogLevel::Warning,
        [](Accessor& a, const TestCatalogue& ids) {
            EXPECT_FALSE(a.addCustomization(namedRecord("Foam"), RId(ids.cappuccino)));
        } },
    { "updateCustomization", "UPDATE ON Customizations", "Failed saving customization to database",
        LogLevel::Warning,
        [](Accessor& a, const TestCatalogue& ids) {
            a.updateCustomization(CId(ids.sugarCustomization), namedRecord("Sweetness"));
        } },
    { "addAdjustment", "INSERT ON Adjustments", "Failed saving adjustment to database", LogLevel::Warning,
        [](Accessor& a, const TestCatalogue& ids) {
            EXPECT_FALSE(
                a.addAdjustment(powderRecord(1, 2), CId(ids.sugarCustomization), RId(ids.cappuccino)));
        } },
    { "updateAdjustment", "UPDATE ON Adjustments", "Failed saving adjustment to database", LogLevel::Warning,
        [](Accessor& a, const TestCatalogue& ids) {
            a.updateAdjustment(AId(ids.sugarAdjustment), powderRecord(-5, 5));
        } },
    { "deleteAdjustment", "DELETE ON Adjustments", "Failed deleting adjustment from database",
        LogLevel::Error,
        [](Accessor& a, const TestCatalogue& ids) { a.deleteAdjustment(AId(ids.sugarAdjustment)); } },
    { "deleteCustomizationImp", "DELETE ON Recipe_Customizations",
        "Failed deleting customization from database", LogLevel::Error,
        [](Accessor& a, const TestCatalogue& ids) { a.deleteCustomization(CId(ids.sugarCustomization)); } },
};

class FailedWrite : public Customizations, public ::testing::WithParamInterface<InjectedFailure>
{
protected:
    /// The loaded customizations and adjustments as the accessor reads them.
    QStringList loaded() const
    {
        QStringList lines;
        for (const Core* core : configuration().allCustomizations()) {
            const Lea::Customization c = customization(core->dbId());
            lines << QString::asprintf("%s %d %zu %zu", qPrintable(c.name), c.stepCount, c.adjustments.size(),
                c.translations.size());
        }
        for (const Recipe* recipe : configuration().recipes()) {
            for (const AbstractCustomizationAdjustment* core : recipe->customizationAdjustments()) {
                const Lea::Adjustment a = adjustment(core->dbId()).value_or(Lea::Adjustment {});
                const auto& powder = a.powder.value_or(Lea::Adjustment::Powder {});
                lines << QString::asprintf("%d %d %d %s", core->dbId(), powder.deltaMin, powder.deltaMax,
                    qPrintable(a.extraText.value_or("-")));
            }
        }
        return lines;
    }
};

TEST_P(FailedWrite, LogsAndLeavesTheDatabaseAsItWas)
{
    const InjectedFailure& failure = GetParam();
    execute(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                .arg(QLatin1String(failure.trigger)));
    const QStringList before = loaded();
    const quint32 counter = databaseChangeCounter();

    failure.write(*accessor, ids);

    const auto entries = logEntriesContaining(QLatin1String(failure.logged));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].modules, QStringList { "Product" });
    EXPECT_EQ(entries[0].level, failure.level);
    EXPECT_THAT(entries[0].text.toStdString(), HasSubstr(std::string("::") + failure.operation + "("));
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(loaded(), before);
    reload();
    EXPECT_EQ(loaded(), before);
}

INSTANTIATE_TEST_SUITE_P(Triggers, FailedWrite, ::testing::ValuesIn(kFailures),
    [](const auto& info) { return std::string(info.param.operation); });

} // namespace
