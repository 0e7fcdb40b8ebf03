#include "bridge/products/adjustmenttypeconverter.h"
#include "bridge/products/customizationconverter.h"
#include "bridge/products/customizationiconconverter.h"
#include "bridge/products/customizations.h"
#include "bridge/products/customizationtypeconverter.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/totalquantityadjustment.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "core/selection/userselectionmanager.h"
#include "support/catalogue.h"
#include "support/machinetest.h"

#include <gmock/gmock.h>
#include <QSignalSpy>
#include <QSqlQuery>

namespace {

using Lea = lea::products::Customizations;
using Core = RecipeCustomization;
using Accessor = bridge::products::Customizations;
using CId = lea::CustomizationDbId;
using AId = lea::CustomizationAdjustmentDbId;
using RId = lea::RecipeDbId;
using bridge::products::AdjustmentTypeConverter;
using bridge::products::CustomizationIconConverter;
using bridge::products::CustomizationTypeConverter;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// ---- Enumeration tables ---------------------------------------------------------------------------

// (interface, core) as the machine documents them; core 25 also reads as 7.
const int kTypePairs[][2] = { { 0, 6 }, { 1, 0 }, { 2, 5 }, { 4, 10 }, { 5, 1 }, { 7, 2 }, { 8, 8 }, { 9, 4 },
    { 10, 20 }, { 11, 21 }, { 12, 14 }, { 13, 12 }, { 14, 11 }, { 15, 15 }, { 16, 13 }, { 17, 9 }, { 19, 7 },
    { 20, 19 }, { 21, 16 }, { 22, 17 }, { 23, 18 }, { 24, 22 }, { 25, 23 }, { 26, 24 }, { 27, 26 } };

TEST(CustomizationEnumTables, TypesReadAndWriteBack)
{
    for (const auto& [lea, core] : kTypePairs) {
        EXPECT_EQ(CustomizationTypeConverter::toExternalOrThrow(Core::CustomizationType(core)), lea) << core;
        EXPECT_EQ(CustomizationTypeConverter::toInternalOrThrow(Lea::CustomizationType(lea)), core) << lea;
    }
    EXPECT_EQ(CustomizationTypeConverter::toExternalOrThrow(Core::MilkAlternativeCustomization), Lea::Type7);
    EXPECT_EQ(CustomizationTypeConverter::toInternalOrThrow(Lea::Sugar), Core::SugarCustomization);
    EXPECT_EQ(CustomizationTypeConverter::toInternalOrThrow(Lea::Cup), Core::CupCustomization);
}

/// The message of the exception that `convert` throws.
template <class Convert> std::string refusal(Convert convert)
{
    try {
        convert();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "nothing thrown";
}

template <class Converter> std::string expected(const char* side, const std::string& value)
{
    return std::string("Invalid ") + side + " enum value " + value + " (" + Converter::converter() + ")";
}

TEST(CustomizationEnumTables, ValuesWithoutPartnerAreRefused)
{
    using Types = CustomizationTypeConverter;
    for (const int lea : { 3, 6, 18, 28 }) {
        EXPECT_EQ(refusal([&] { Types::toInternalOrThrow(Lea::CustomizationType(lea)); }),
            expected<Types>("external", std::to_string(lea)));
    }
    for (const int core : { 3, 27, -2 }) {
        EXPECT_EQ(refusal([&] { Types::toExternalOrThrow(Core::CustomizationType(core)); }),
            expected<Types>("internal", std::to_string(core)));
    }
    EXPECT_EQ(refusal([] { CustomizationIconConverter::toInternalOrThrow(Lea::Icon(5)); }),
        expected<CustomizationIconConverter>("external", "5"));
    EXPECT_EQ(refusal([] {
        AdjustmentTypeConverter::toExternalOrThrow(AbstractCustomizationAdjustment::AdjustmentType(-1));
    }),
        expected<AdjustmentTypeConverter>("internal", "-1"));
    EXPECT_EQ(Types::convertibleInternalValues().size(), 26u);
    EXPECT_EQ(Types::convertibleExternalValues().size(), 25u);
}

TEST(CustomizationEnumTables, IconsAndAdjustmentTypesKeepTheirValues)
{
    for (int value = 0; value <= 4; ++value) {
        EXPECT_EQ(CustomizationIconConverter::toExternalOrThrow(Core::IconType(value)), Lea::Icon(value));
        EXPECT_EQ(CustomizationIconConverter::toInternalOrThrow(Lea::Icon(value)), Core::IconType(value));
    }
    for (int value = 0; value <= 3; ++value) {
        const auto core = AbstractCustomizationAdjustment::AdjustmentType(value);
        EXPECT_EQ(AdjustmentTypeConverter::toExternalOrThrow(core), Lea::AdjustmentType(value));
        EXPECT_EQ(AdjustmentTypeConverter::toInternalOrThrow(Lea::AdjustmentType(value)), core);
    }
    EXPECT_EQ(AdjustmentTypeConverter::toInternalOpt(Lea::AdjustmentType(4)), nonstd::nullopt);
}

// ---- Accessor -------------------------------------------------------------------------------------

template <class Id> Id id(int value)
{
    return Id(unsigned(value));
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

class Customizations : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        ids = seedTestCatalogue(machine().core());
        loadConfiguration();
        accessor = std::make_unique<Accessor>(nullptr);
        clearLog();
    }

    void TearDown() override
    {
        accessor.reset();
        MachineTest::TearDown();
    }

    /// Replaces the configuration with one freshly loaded from the database file.
    void reload() { loadConfiguration(); }

    Lea::Customization customization(int coreId) const
    {
        return accessor->customization(id<CId>(coreId)).value_or(Lea::Customization {});
    }
    nonstd::optional<Lea::Adjustment> adjustment(int coreId) const
    {
        return accessor->adjustment(id<AId>(coreId));
    }
    static Core* coreCustomization(int coreId)
    {
        for (Core* customization : gCoreEnv->configuration()->allCustomizations()) {
            if (customization->dbId() == coreId)
                return customization;
        }
        return nullptr;
    }
    lea::RecipeDbId cappuccino() const { return id<RId>(ids.cappuccino); }

    TestCatalogue ids;
    std::unique_ptr<Accessor> accessor;
};

TEST_F(Customizations, ReadsTheLoadedCustomization)
{
    const Lea::Customization sugar = customization(ids.sugarCustomization);
    EXPECT_EQ(sugar.type, Lea::Sugar);
    EXPECT_EQ(sugar.icon, Lea::Icon4);
    EXPECT_EQ(sugar.name, "Sugar");
    EXPECT_EQ(sugar.translations.size(), 2u);
    EXPECT_EQ(sugar.defaultIndex, 2);
    EXPECT_EQ(sugar.stepCount, 5);
    EXPECT_EQ(sugar.horizontal, 1);
    EXPECT_EQ(sugar.stepsCountsAvailable, (QList<int> { 0, 1, 2, 3, 4 }));
    EXPECT_THAT(sugar.adjustments, ElementsAre(id<AId>(ids.sugarAdjustment)));
    EXPECT_FALSE(accessor->customization(lea::CustomizationDbId(9999)));

    // The cost variation is the low byte of its integer part, whatever the float.
    for (const auto& [stored, read] :
        std::vector<std::pair<float, int>> { { 3.9f, 3 }, { 300.7f, 44 }, { -1.5f, 255 }, { 1e20f, 0 } }) {
        const Core core(Core::SugarCustomization, QString(), 0, 0, 1, stored, 0, 0, Core::NoIcon, 0, 0);
        EXPECT_EQ(
            bridge::products::CustomizationConverter::coreCustomizationToLeaCustomization(core).costVariation,
            read)
            << stored;
    }
}

TEST_F(Customizations, MilkAlternativeReadsAsMilkAndWritesBackAsMilk)
{
    Lea::Customization milk = customization(ids.milkCustomization);
    ASSERT_EQ(milk.type, Lea::Type7);
    accessor->updateCustomization(id<CId>(ids.milkCustomization), milk);
    reload();
    ASSERT_NE(coreCustomization(ids.milkCustomization), nullptr);
    EXPECT_EQ(coreCustomization(ids.milkCustomization)->type(), Core::MilkCustomization);
    EXPECT_EQ(customization(ids.milkCustomization).type, Lea::Type7);
}

TEST_F(Customizations, UpdateReplacesTheStoredRowButNotTheLoadedObject)
{
    Lea::Customization sugar = namedRecord(QStringLiteral("Sweetness"), Lea::Sugar);
    sugar.stepCount = 3;
    sugar.extraText = QStringLiteral("note");
    accessor->updateCustomization(id<CId>(ids.sugarCustomization), sugar);

    EXPECT_EQ(customization(ids.sugarCustomization).name, "Sugar");
    reload();
    const Lea::Customization stored = customization(ids.sugarCustomization);
    EXPECT_EQ(stored.name, "Sweetness");
    EXPECT_EQ(stored.stepCount, 3);
    EXPECT_EQ(stored.extraText, QStringLiteral("note"));
    ASSERT_EQ(stored.translations.size(), 1u);
    EXPECT_EQ(stored.translations[0].text, "Sweetness (de)");
}

TEST_F(Customizations, AddedCustomizationIsStoredLastInTheRecipe)
{
    Lea::Customization record = namedRecord(QStringLiteral("Extra shot"), Lea::Type16);
    record.costVariation = 40;
    const auto added = accessor->addCustomization(record, cappuccino());
    ASSERT_TRUE(added);
    EXPECT_EQ(customization(int(added->value())).name, "Extra shot");
    reload();
    EXPECT_EQ(gCoreEnv->configuration()->recipe(ids.cappuccino)->customizations().last()->dbId(),
        int(added->value()));
    EXPECT_EQ(customization(int(added->value())).costVariation, 40);
    EXPECT_EQ(customization(int(added->value())).translations.size(), 1u);
}

TEST_F(Customizations, AdjustmentsAreAddedUpdatedAndDeleted)
{
    const auto added
        = accessor->addAdjustment(powderRecord(-30, 40), id<CId>(ids.sugarCustomization), cappuccino());
    ASSERT_TRUE(added);
    const int coreId = int(added->value());
    reload();
    ASSERT_TRUE(adjustment(coreId));
    EXPECT_EQ(adjustment(coreId)->powder->deltaMax, 40);
    EXPECT_THAT(
        customization(ids.sugarCustomization).adjustments, ElementsAre(id<AId>(ids.sugarAdjustment), *added));

    Lea::Adjustment changed = powderRecord(-10, 90);
    changed.extraText = QStringLiteral("coarse");
    accessor->updateAdjustment(*added, changed);
    reload();
    EXPECT_EQ(adjustment(coreId)->powder->deltaMin, -10);
    EXPECT_EQ(adjustment(coreId)->extraText, QStringLiteral("coarse"));

    accessor->deleteAdjustment(*added);
    EXPECT_FALSE(adjustment(coreId));
    reload();
    EXPECT_FALSE(adjustment(coreId));
}

TEST_F(Customizations, AdjustmentOfAnotherKindIsNotUpdated)
{
    Lea::Adjustment water;
    water.water = Lea::Adjustment::Water { lea::products::Recipes::Instant, 0, 5 };
    water.extraText = QStringLiteral("ignored");
    const quint32 before = databaseChangeCounter();
    accessor->updateAdjustment(id<AId>(ids.sugarAdjustment), water);

    const auto entries = logEntriesContaining(QStringLiteral("Cannot update adjustment"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Error);
    EXPECT_EQ(entries[0].items.mid(1),
        (QStringList { "Cannot update adjustment ", QString("\"%1\"").arg(ids.sugarAdjustment) }));
    EXPECT_EQ(databaseChangeCounter(), before);
    EXPECT_EQ(adjustment(ids.sugarAdjustment)->extraText, QStringLiteral("sugar scale"));
}

TEST_F(Customizations, RecordsThatCannotBeStoredLeaveNoTrace)
{
    const quint32 before = databaseChangeCounter();
    Lea::Adjustment quantity;
    quantity.type = Lea::TotalQuantity;
    EXPECT_FALSE(accessor->addAdjustment(quantity, id<CId>(ids.sugarCustomization), cappuccino()));
    EXPECT_THROW(
        accessor->addCustomization(namedRecord("Legacy", Lea::Type3), cappuccino()), std::invalid_argument);
    Lea::Adjustment water;
    water.water = Lea::Adjustment::Water { lea::products::Recipes::StepType(5), 0, 1 };
    EXPECT_THROW(
        accessor->addAdjustment(water, id<CId>(ids.milkCustomization), cappuccino()), std::invalid_argument);
    EXPECT_EQ(databaseChangeCounter(), before);
    EXPECT_EQ(gCoreEnv->configuration()->recipe(ids.cappuccino)->customizationAdjustments().size(), 2);
}

TEST_F(Customizations, PowderLimitsDependOnTheCanister)
{
    using Limits = nonstd::optional<QPair<int, int>>;
    const auto adjustmentId = [](int coreId) { return id<AId>(coreId); };
    EXPECT_EQ(accessor->powderMaxLimits(adjustmentId(ids.sugarAdjustment)), Limits(qMakePair(100, 300)));
    EXPECT_EQ(accessor->powderMaxLimits(adjustmentId(ids.strengthAdjustment)), Limits(qMakePair(100, 150)));
    EXPECT_EQ(accessor->powderMinLimits(adjustmentId(ids.strengthAdjustment)), Limits(qMakePair(50, 100)));
    EXPECT_EQ(accessor->powderMaxLimits(adjustmentId(ids.milkAdjustment)), Limits());
    EXPECT_EQ(accessor->powderMinLimits(adjustmentId(ids.milkAdjustment)), Limits());
    EXPECT_EQ(accessor->powderMinLimits(adjustmentId(9999)), Limits());
}

TEST_F(Customizations, TotalQuantityReadsAsAByte)
{
    TotalQuantityAdjustment total(coreCustomization(ids.milkCustomization), 300);
    ASSERT_TRUE(gCoreEnv->configuration()->saveAdjustment(&total, ids.cappuccino));
    reload();
    const auto read = adjustment(total.dbId());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->type, Lea::TotalQuantity);
    EXPECT_EQ(read->quantity, nonstd::optional<uint8_t>(44));
    EXPECT_FALSE(read->powder || read->water);
    EXPECT_FALSE(accessor->powderMaxLimits(id<AId>(total.dbId())));
}

TEST_F(Customizations, DeletedCustomizationLeavesRecipeAndDatabase)
{
    accessor->deleteCustomization(id<CId>(ids.sugarCustomization));
    EXPECT_FALSE(accessor->customization(id<CId>(ids.sugarCustomization)));
    reload();
    EXPECT_FALSE(accessor->customization(id<CId>(ids.sugarCustomization)));
    EXPECT_FALSE(adjustment(ids.sugarAdjustment));
    EXPECT_TRUE(adjustment(ids.milkAdjustment));
}

TEST_F(Customizations, MissingTargetsAreLogged)
{
    const auto unknown = id<CId>(9999);
    EXPECT_FALSE(accessor->addCustomization(Lea::Customization {}, id<RId>(9999)));
    EXPECT_FALSE(accessor->addAdjustment(powderRecord(0, 1), unknown, cappuccino()));
    EXPECT_FALSE(accessor->addAdjustment(powderRecord(0, 1), id<CId>(ids.sugarCustomization), id<RId>(9999)));
    accessor->updateCustomization(unknown, Lea::Customization {});
    QStringList texts;
    for (const LogEntry& entry : logEntries())
        texts << entry.items.mid(1).join(' ') + QString(" @%1").arg(int(entry.level));
    EXPECT_EQ(texts,
        (QStringList { "Recipe not found in configuration @3", "Customization not found in configuration @3",
            "Recipe not found in configuration @3", "can't find requested customization @4" }));
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
    Lea::Customization sugar;
    sugar.type = Lea::Sugar;
    sugar.currentChoiceIndex = 4;
    accessor->setCurrentCustomizationStep(sugar);
    ASSERT_TRUE(accessor->currentCustomizations());
    EXPECT_TRUE(accessor->currentCustomizations()->empty());

    manager.setSelectionRecipe(gCoreEnv->configuration()->loadAndFillRecipe(ids.cappuccino));
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

// Each operation that needs the configuration, true when it gave its neutral result.
const std::pair<const char*, bool (*)(Accessor&)> kGuarded[] = {
    { "customization", [](Accessor& a) { return !a.customization(id<CId>(0)); } },
    { "addCustomization", [](Accessor& a) { return !a.addCustomization({}, id<RId>(0)); } },
    { "updateCustomization", [](Accessor& a) { return a.updateCustomization(id<CId>(0), {}), true; } },
    { "deleteCustomization", [](Accessor& a) { return a.deleteCustomization(id<CId>(0)), true; } },
    { "adjustment", [](Accessor& a) { return !a.adjustment(id<AId>(0)); } },
    { "addAdjustment", [](Accessor& a) { return !a.addAdjustment({}, id<CId>(0), id<RId>(0)); } },
    { "updateAdjustment", [](Accessor& a) { return a.updateAdjustment(id<AId>(0), {}), true; } },
    { "deleteAdjustment", [](Accessor& a) { return a.deleteAdjustment(id<AId>(0)), true; } },
    { "powderMinLimits", [](Accessor& a) { return !a.powderMinLimits(id<AId>(0)); } },
    { "powderMaxLimits", [](Accessor& a) { return !a.powderMaxLimits(id<AId>(0)); } },
};

TEST_F(Customizations, WithoutConfigurationEveryGuardedOperationLogsOnce)
{
    unloadConfiguration();
    for (const auto& [name, call] : kGuarded) {
        clearLog();
        EXPECT_TRUE(call(*accessor)) << name;
        const auto entries = logEntries();
        ASSERT_EQ(entries.size(), 1) << name;
        EXPECT_THAT(entries[0].text.toStdString(),
            HasSubstr(std::string("bridge::products::Customizations::") + name + "("));
        EXPECT_TRUE(entries[0].text.endsWith(" Configuration is not loaded. Operation canceled.")) << name;
    }
}

// ---- Failures injected into the database -----------------------------------------------------------

struct InjectedFailure
{
    const char* operation;
    const char* trigger;
    const char* logged;
    LogLevel::Level level;
    void (*write)(Accessor& accessor, const TestCatalogue& ids);
};

const InjectedFailure kFailures[] = {
    { "addCustomization", "BEFORE INSERT ON Customizations", "Failed saving customization to database",
        LogLevel::Warning,
        [](Accessor& a, const TestCatalogue& ids) {
            EXPECT_FALSE(a.addCustomization(namedRecord("Foam"), id<RId>(ids.cappuccino)));
        } },
    { "updateCustomization", "BEFORE UPDATE ON Customizations", "Failed saving customization to database",
        LogLevel::Warning,
        [](Accessor& a, const TestCatalogue& ids) {
            a.updateCustomization(id<CId>(ids.sugarCustomization), namedRecord("Sweetness"));
        } },
    { "addAdjustment", "BEFORE INSERT ON Adjustments", "Failed saving adjustment to database",
        LogLevel::Warning,
        [](Accessor& a, const TestCatalogue& ids) {
            EXPECT_FALSE(a.addAdjustment(
                powderRecord(1, 2), id<CId>(ids.sugarCustomization), id<RId>(ids.cappuccino)));
        } },
    { "updateAdjustment", "BEFORE UPDATE ON Adjustments", "Failed saving adjustment to database",
        LogLevel::Warning,
        [](Accessor& a, const TestCatalogue& ids) {
            a.updateAdjustment(id<AId>(ids.sugarAdjustment), powderRecord(-5, 5));
        } },
    { "deleteAdjustment", "BEFORE DELETE ON Adjustments", "Failed deleting adjustment from database",
        LogLevel::Error,
        [](Accessor& a, const TestCatalogue& ids) { a.deleteAdjustment(id<AId>(ids.sugarAdjustment)); } },
    { "deleteCustomizationImp", "BEFORE DELETE ON Recipe_Customizations",
        "Failed deleting customization from database", LogLevel::Error,
        [](Accessor& a, const TestCatalogue& ids) {
            a.deleteCustomization(id<CId>(ids.sugarCustomization));
        } },
};

class FailedWrite : public Customizations, public ::testing::WithParamInterface<InjectedFailure>
{
protected:
    /// The loaded recipes' customizations and adjustments as the accessor reads them.
    QStringList snapshot() const
    {
        QStringList lines;
        for (const Core* core : gCoreEnv->configuration()->allCustomizations()) {
            const Lea::Customization c = customization(core->dbId());
            lines << QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(c.name)
                         .arg(c.stepCount)
                         .arg(c.type)
                         .arg(c.adjustments.size())
                         .arg(c.translations.size());
        }
        for (const Recipe* recipe : gCoreEnv->configuration()->recipes()) {
            for (const AbstractCustomizationAdjustment* core : recipe->customizationAdjustments()) {
                const Lea::Adjustment a = adjustment(core->dbId()).value_or(Lea::Adjustment {});
                const auto& powder = a.powder.value_or(Lea::Adjustment::Powder {});
                lines << QStringLiteral("%1 %2 %3 %4")
                             .arg(core->dbId())
                             .arg(powder.deltaMin)
                             .arg(powder.deltaMax)
                             .arg(a.extraText.value_or("-"));
            }
        }
        return lines;
    }
};

TEST_P(FailedWrite, LogsAndLeavesTheDatabaseAsItWas)
{
    const InjectedFailure& failure = GetParam();
    QSqlQuery trigger(machine().core().configurationGroup()->database()->database());
    ASSERT_TRUE(
        trigger.exec(QStringLiteral("CREATE TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                         .arg(QLatin1String(failure.trigger))));
    const QStringList before = snapshot();
    const quint32 counter = databaseChangeCounter();

    failure.write(*accessor, ids);

    const auto entries = logEntriesContaining(QLatin1String(failure.logged));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].modules, QStringList { "Product" });
    EXPECT_EQ(entries[0].level, failure.level);
    EXPECT_THAT(entries[0].text.toStdString(), HasSubstr(std::string("::") + failure.operation + "("));
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(snapshot(), before);
    reload();
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Triggers, FailedWrite, ::testing::ValuesIn(kFailures),
    [](const auto& info) { return std::string(info.param.operation); });

} // namespace
