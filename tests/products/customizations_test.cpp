#include "bridge/products/customizationconverter.h"
#include "core/catalogue/totalquantityadjustment.h"
#include "core/selection/userselectionmanager.h"
#include "products/records.h"

#include <gmock/gmock.h>

namespace {

using Lea = lea::products::Customizations;
using Core = RecipeCustomization;
using Accessor = bridge::products::Customizations;
using Converter = bridge::products::CustomizationConverter;
using ::testing::ElementsAre;

class Customizations : public AccessorTest<Lea, Accessor>
{
protected:
    Lea::Customization customization(int id) const
    {
        return accessor->customization(CId(id)).value_or(Lea::Customization {});
    }
    nonstd::optional<Lea::Adjustment> adjustment(int id) const { return accessor->adjustment(AId(id)); }
    RId cappuccino() const { return RId(ids.cappuccino); }
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

    // Powder limits depend on the canister.
    using Limits = nonstd::optional<QPair<int, int>>;
    EXPECT_EQ(accessor->powderMaxLimits(AId(ids.sugarAdjustment)), Limits(qMakePair(100, 300)));
    EXPECT_EQ(accessor->powderMaxLimits(AId(ids.strengthAdjustment)), Limits(qMakePair(100, 150)));
    EXPECT_EQ(accessor->powderMinLimits(AId(ids.strengthAdjustment)), Limits(qMakePair(50, 100)));
    EXPECT_EQ(accessor->powderMaxLimits(AId(ids.milkAdjustment)), Limits());
    EXPECT_EQ(accessor->powderMinLimits(AId(ids.milkAdjustment)), Limits());
    EXPECT_EQ(accessor->powderMinLimits(AId(9999)), Limits());
}

TEST_F(Customizations, UpdateReplacesTheStoredRowButNotTheLoadedObject)
{
    Lea::Customization sugar = customizationRecord(QStringLiteral("Sweetness"), Lea::Sugar);
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
    EXPECT_EQ(texts(read.translations), texts(german("Sweetness (de)")));
    // The parameter settings, which the record does not carry, stay as stored.
    const Core* stored = recipe(ids.cappuccino).customizationByType(Core::SugarCustomization);
    EXPECT_EQ(std::make_tuple(stored->parameterKind(), stored->parameterMin(), stored->parameterMax()),
        std::make_tuple(2, 1, 9));
    const Core* milk = recipe(ids.cappuccino).customizationByType(Core::MilkCustomization);
    EXPECT_EQ(milk ? milk->dbId() : -1, ids.milkCustomization);
    EXPECT_EQ(customization(ids.milkCustomization).type, Lea::Type7);
}

TEST_F(Customizations, CustomizationsAndAdjustmentsAreAddedUpdatedAndDeleted)
{
    // The interface cannot add a total quantity.
    const quint32 before = databaseChangeCounter();
    Lea::Adjustment quantity;
    quantity.type = Lea::TotalQuantity;
    EXPECT_FALSE(accessor->addAdjustment(quantity, CId(ids.sugarCustomization), cappuccino()));
    EXPECT_EQ(databaseChangeCounter(), before);
    EXPECT_EQ(recipe(ids.cappuccino).customizationAdjustments().size(), 2);

    Lea::Customization shot = customizationRecord(QStringLiteral("Extra shot"), Lea::Type16);
    shot.costVariation = 40;
    const int shotId = int(accessor->addCustomization(shot, cappuccino()).value_or(CId(0)).value());
    EXPECT_EQ(customization(shotId).name, "Extra shot");
    const auto added
        = accessor->addAdjustment(powderRecord(-30, 40), CId(ids.sugarCustomization), cappuccino());
    ASSERT_TRUE(shotId && added);
    const int coreId = int(added->value());
    reload();
    EXPECT_EQ(recipe(ids.cappuccino).customizations().last()->dbId(), shotId);
    EXPECT_EQ(std::make_tuple(customization(shotId).costVariation, customization(shotId).translations.size()),
        std::make_tuple(40, std::size_t(1)));
    ASSERT_TRUE(adjustment(coreId) && adjustment(coreId)->powder);
    EXPECT_EQ(adjustment(coreId)->powder->deltaMax, 40);
    EXPECT_THAT(
        customization(ids.sugarCustomization).adjustments, ElementsAre(AId(ids.sugarAdjustment), *added));

    Lea::Adjustment changed = powderRecord(-10, 90);
    changed.extraText = QStringLiteral("coarse");
    accessor->updateAdjustment(*added, changed);
    reload();
    EXPECT_EQ(std::make_pair(adjustment(coreId)->powder->deltaMin, adjustment(coreId)->extraText),
        std::make_pair(-10, nonstd::optional<QString>(QStringLiteral("coarse"))));

    accessor->deleteAdjustment(*added);
    EXPECT_FALSE(adjustment(coreId));
    accessor->deleteCustomization(CId(ids.sugarCustomization));
    EXPECT_FALSE(accessor->customization(CId(ids.sugarCustomization)));
    reload();
    EXPECT_FALSE(adjustment(coreId) || accessor->customization(CId(ids.sugarCustomization)));
    EXPECT_FALSE(adjustment(ids.sugarAdjustment));
    EXPECT_TRUE(adjustment(ids.milkAdjustment));
}

TEST_F(Customizations, CommonCustomizationsFollowReplacedPreselections)
{
    UserSelectionManager& manager = *gCoreEnv->userSelectionManager();
    EXPECT_FALSE(accessor->commonCustomization(Lea::Sugar));
    accessor->setCommonCustomizationStep(Lea::Sugar, 1);
    EXPECT_FALSE(accessor->commonCustomizations());

    qRegisterMetaType<Lea::CustomizationType>();
    QSignalSpy spy(accessor.get(), &Lea::commonCustomizationModified);
    const auto preselection = [](Core::CustomizationType type) {
        return std::make_unique<Core>(
            type, QStringLiteral("Preselection"), 0, 0, 5, 0.0f, 0, 0, Core::NoIcon, 0, 0);
    };
    manager.setSugarPreselection(preselection(Core::SugarCustomization));
    manager.sugarPreselection()->setCurrentChoiceIndex(3);
    manager.setCupPreselection(preselection(Core::CupCustomization));
    manager.cupPreselection()->setIsAvailable(false);
    // The replaced object goes; its successor is followed in the same way.
    manager.setSugarPreselection(preselection(Core::SugarCustomization));
    accessor->setCommonCustomizationStep(Lea::Sugar, 4);
    accessor->setCommonCustomizationStep(Lea::Type1, 2);

    QList<int> emitted;
    for (const QList<QVariant>& arguments : spy)
        emitted << arguments.at(0).value<Lea::CustomizationType>();
    EXPECT_EQ(emitted, (QList<int> { Lea::Sugar, Lea::Cup, Lea::Sugar }));
    EXPECT_EQ(std::make_pair(accessor->commonCustomization(Lea::Sugar)->currentChoiceIndex,
                  accessor->commonCustomization(Lea::Cup)->available),
        std::make_pair(uint8_t(4), false));
    EXPECT_FALSE(accessor->commonCustomization(Lea::Type1));
}

TEST_F(Customizations, CurrentCustomizationsComeFromTheSelectionRecipe)
{
    UserSelectionManager& manager = *gCoreEnv->userSelectionManager();
    Lea::Customization sugar = customizationRecord({}, Lea::Sugar);
    sugar.currentChoiceIndex = 4;
    accessor->setCurrentCustomizationStep(sugar);
    EXPECT_EQ(accessor->currentCustomizations().value_or(std::vector<Lea::Customization>(1)).size(), 0u);

    manager.setSelectionRecipe(configuration().loadAndFillRecipe(ids.cappuccino));
    const auto current = accessor->currentCustomizations().value_or(std::vector<Lea::Customization> {});
    ASSERT_EQ(current.size(), 2u);
    EXPECT_EQ(std::make_pair(current[0].type, current[1].name),
        std::make_pair(Lea::Sugar, QStringLiteral("Milk alternative")));

    accessor->setCurrentCustomizationStep(sugar);
    const Core* selected = manager.selectionRecipe()->customizationByType(Core::SugarCustomization);
    EXPECT_EQ(std::make_pair(selected->currentChoiceIndex(), selected->forcedIndex()), std::make_pair(4, 4));
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

} // namespace
