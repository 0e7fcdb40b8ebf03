#include "bridge/products/nutritionalinformation.h"
#include "bridge/products/nutritionalinformationconverter.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/nutritionalinformation.h"
#include "core/catalogue/snack.h"
#include "core/gui/guimanager.h"
#include "core/selection/userselectionmanager.h"
#include "products/records.h"
#include "support/images.h"

#include <cmath>
#include <limits>

namespace {

using Lea = lea::products::NutritionalInformation;
using Accessor = bridge::products::NutritionalInformation;
using Owner = ConfigurationLoader::NutritionalOwner;
using L = lea::products::Canisters;
/// (name, scaled value, value, unit, decimals) of one bit.
using Bit = std::tuple<QString, int32_t, double, QString, uint32_t>;

std::vector<Bit> fields(const std::vector<Lea::InformationBit>& bits)
{
    std::vector<Bit> result;
    for (const Lea::InformationBit& b : bits)
        result.emplace_back(b.name, b.scaledValue, b.value, b.unit, b.decimals);
    return result;
}

Bit bit(const char* name, int32_t scaled, double value, const char* unit)
{
    return { QString::fromUtf8(name), scaled, value, QString::fromUtf8(unit), 1u };
}

// Per gram: 9/32 g of protein, so that 8 g of beans hold exactly 2.25 g.
const NutritionalInformationList kBeans = { { "Energy", 2.0, "kcal" }, { "Protein", 0.28125, "g" } };
const NutritionalInformationList kMilk = { { "Energy", 3.5, "kcal" }, { "Fat", 0.01, "g" } };

class NutritionalInformationTest : public AccessorTest<Lea, Accessor>
{
protected:
    void SetUp() override
    {
        AccessorTest::SetUp();
        store(Owner::Canister, ids.canisters.value(Canister::CoffeeBeans), kBeans, "file:///n/beans.png");
        store(Owner::Canister, ids.canisters.value(Canister::MilkPowder), kMilk, {});
        Snack snack;
        snack.setName(QStringLiteral("Bar"));
        ASSERT_TRUE(loader().saveSnack(&snack, 1));
        snackId = snack.id();
        store(Owner::Snack, snackId, { { "Sugar", 12.25, "g" } }, {}, "nuts, soy");
        reload();
        clearLog();
    }

    void store(Owner owner, int id, const NutritionalInformationList& items, const char* image,
        const char* allergens = "")
    {
        ConfigurationLoader::NutritionalRecord record { items, QString::fromUtf8(image),
            QString::fromUtf8(allergens) };
        ASSERT_TRUE(loader().saveNutritionalRecord(owner, id, record));
    }

    Lea::Information product(int id) const
    {
        return accessor->forProduct(BId(unsigned(id))).value_or(Lea::Information {});
    }

    int snackId = -1;
};

TEST_F(NutritionalInformationTest, CanisterValuesReadBackFromTheDatabaseWithTheirIds)
{
    const auto all = accessor->allIngredientsFromCanisters();
    ASSERT_EQ(all.size(), 5u);
    const Lea::Information beans = all.at(L::Ingredient7);
    EXPECT_EQ(fields(beans.bits),
        (std::vector<Bit> { bit("Energy", 20, 2.0, "kcal"), bit("Protein", 3, 0.28125, "g") }));
    EXPECT_EQ(beans.imagePath, QStringLiteral("file:///n/beans.png"));
    EXPECT_NE(beans.bits[0].id, beans.bits[1].id);
    // The allergen text stays whole, commas and all.
    const Lea::Information milk
        = accessor->forCanisterIngredient(L::Ingredient20).value_or(Lea::Information {});
    EXPECT_EQ(milk.allergens, QList<QString> { QStringLiteral("milk,lactose") });
    EXPECT_EQ(
        fields(milk.bits), (std::vector<Bit> { bit("Energy", 35, 3.5, "kcal"), bit("Fat", 0, 0.01, "g") }));
    EXPECT_TRUE(milk.imagePath.isEmpty());
    EXPECT_FALSE(accessor->forCanisterIngredient(L::Ingredient30));
}

TEST_F(NutritionalInformationTest, IngredientsTakeTheirCanistersRecord)
{
    const auto all = accessor->allIngredients();
    // Beans, sugar, chocolate and milk powder are used by the recipes.
    EXPECT_EQ(all.size(), 4u);
    EXPECT_EQ(fields(accessor->forIngredient(L::Ingredient7).value_or(Lea::Information {}).bits),
        fields(accessor->forCanisterIngredient(L::Ingredient7).value_or(Lea::Information {}).bits));
    EXPECT_TRUE(all.at(L::Ingredient6).bits.empty());
    EXPECT_FALSE(accessor->forIngredient(L::Ingredient0));
}

TEST_F(NutritionalInformationTest, BeverageValuesSumTheDosedIngredients)
{
    // Cappuccino: 9 g of beans, 16 g of milk powder, 3 g of chocolate (no values).
    const Lea::Information cappuccino = product(ids.cappuccinoBeverage);
    EXPECT_EQ(fields(cappuccino.bits),
        (std::vector<Bit> {
            bit("Energy", 740, 74.0, "kcal"), bit("Protein", 25, 2.53125, "g"), bit("Fat", 2, 0.16, "g") }));
    EXPECT_EQ(cappuccino.allergens,
        (QList<QString> { QStringLiteral("milk"), QStringLiteral("lactose"), QStringLiteral("soy") }));
    EXPECT_TRUE(cappuccino.imagePath.isEmpty());

    const Lea::Information snack = product(snackId);
    EXPECT_EQ(fields(snack.bits), (std::vector<Bit> { bit("Sugar", 123, 12.25, "g") }));
    EXPECT_EQ(snack.allergens, QList<QString> { QStringLiteral("nuts, soy") });
    EXPECT_EQ(accessor->allProducts().size(), configuration().products().size());
    EXPECT_FALSE(accessor->forProduct(BId(9999)));
}

TEST_F(NutritionalInformationTest, SelectedBeverageFollowsTheCustomersStrengthChoice)
{
    Product* espresso = configuration().product(ids.espressoBeverage);
    UserSelectionManager& selection = *machine().core().userSelectionManager();
    // Strength from -20 % to +20 % of the 8 g of beans.
    const std::vector<std::pair<int, std::vector<Bit>>> cases = {
        { 0, { bit("Energy", 128, 12.8, "kcal"), bit("Protein", 18, 1.8, "g") } },
        { 1, { bit("Energy", 160, 16.0, "kcal"), bit("Protein", 23, 2.25, "g") } },
        { 2, { bit("Energy", 192, 19.2, "kcal"), bit("Protein", 27, 2.7, "g") } },
    };
    for (const auto& [choice, expected] : cases) {
        selection.setSelectedProduct(espresso);
        selection.selectionRecipe()->customizations().at(0)->setCurrentChoiceIndex(choice);
        const std::vector<Bit> got = fields(product(ids.espressoBeverage).bits);
        ASSERT_EQ(got.size(), expected.size()) << choice;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(std::get<1>(got[i]), std::get<1>(expected[i])) << choice;
            EXPECT_NEAR(std::get<2>(got[i]), std::get<2>(expected[i]), 1e-9) << choice;
        }
    }
    // Not selected, the beverage reads as stored.
    selection.resetSelectedProduct();
    EXPECT_EQ(std::get<1>(fields(product(ids.espressoBeverage).bits).at(0)), 160);
}

TEST_F(NutritionalInformationTest, StepInformationScalesLikeEveryOtherValue)
{
    using C = lea::products::Customizations;
    // (recipe, type, step, expected energy and protein scaled values)
    const std::vector<std::tuple<int, C::CustomizationType, int, std::vector<int32_t>>> cases = {
        { ids.espresso, C::Type1, 0, { 128, 18 } },
        // 2.25 g of protein reads 23 tenths, not 2.
        { ids.espresso, C::Type1, 1, { 160, 23 } },
        { ids.espresso, C::Type1, 2, { 192, 27 } },
        // A choice beyond the last one doses as the last one.
        { ids.espresso, C::Type1, 9, { 192, 27 } },
        // The sugar choice leaves the beans and milk alone.
        { ids.cappuccino, C::Sugar, 0, { 740, 25, 2 } },
    };
    for (const auto& [recipe, type, step, expected] : cases) {
        std::vector<int32_t> scaled;
        for (const Lea::InformationBit& b :
            accessor->getRecipeCustomizationStepInformation(RId(unsigned(recipe)), type, step)) {
            scaled.push_back(b.scaledValue);
            EXPECT_EQ(b.decimals, 1u);
        }
        EXPECT_EQ(scaled, expected) << recipe << " " << step;
    }
    // The customer's choice on the selected recipe does not leak in.
    machine().core().userSelectionManager()->setSelectedProduct(
        configuration().product(ids.espressoBeverage));
    machine().core().userSelectionManager()->selectionRecipe()->customizations().at(0)->setCurrentChoiceIndex(
        0);
    EXPECT_EQ(accessor->getRecipeCustomizationStepInformation(RId(unsigned(ids.espresso)), C::Type1, 1)
                  .at(0)
                  .scaledValue,
        160);
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(NutritionalInformationTest, StepInformationOfAMissingRecipeOrCustomizationIsEmptyAndLogged)
{
    using C = lea::products::Customizations;
    const std::vector<std::tuple<unsigned, C::CustomizationType, const char*>> cases = {
        { 9999u, C::Type1, "Recipe does not exist" },
        { std::numeric_limits<unsigned>::max(), C::Type1, "Recipe does not exist" },
        // The espresso has no sugar customization.
        { unsigned(ids.espresso), C::Sugar, "Recipe has no such customization" },
    };
    for (const auto& [recipe, type, text] : cases) {
        clearLog();
        EXPECT_TRUE(accessor->getRecipeCustomizationStepInformation(RId(recipe), type, 1).empty());
        ASSERT_EQ(logEntries().size(), 1) << text;
        EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);
        EXPECT_TRUE(logEntries()[0].text.endsWith(QString::fromUtf8(text)))
            << qPrintable(logEntries()[0].text);
    }
    // A type without core partner is the documented conversion error.
    EXPECT_THROW(accessor->getRecipeCustomizationStepInformation(RId(unsigned(ids.espresso)), C::Type3, 1),
        std::invalid_argument);
}

TEST_F(NutritionalInformationTest, NamesAreTranslatedAndUnsavedProductsLeftOut)
{
    machine().core().configurationGroup()->translationsManager()->addTranslation(
        QStringLiteral("Energy"), TypedString::NutritionalName, QLocale::German, QStringLiteral("Energie"));
    machine().guiManager().setCurrentLanguage(QLocale::German);
    const Lea::Information beans
        = accessor->forCanisterIngredient(L::Ingredient7).value_or(Lea::Information {});
    ASSERT_EQ(beans.bits.size(), 2u);
    EXPECT_EQ(beans.bits[0].name, QStringLiteral("Energie"));
    EXPECT_EQ(beans.bits[1].name, QStringLiteral("Protein"));

    const std::size_t stored = accessor->allProducts().size();
    configuration().appendLoadedProduct(std::make_unique<Snack>());
    EXPECT_EQ(accessor->allProducts().size(), stored);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(NutritionalInformationTest, ProductImageAndBeverageWithoutRecipe)
{
    Beverage plain;
    ASSERT_TRUE(loader().saveBeverage(&plain, 1));
    ASSERT_TRUE(loader().saveImage(ConfigurationLoader::ImageOwner::Nutritional,
        QStringLiteral("source_nutritional"), plain.id(), base64Image({ 2, 2 }, "PNG", Qt::red)));
    reload();
    const Lea::Information information = product(plain.id());
    EXPECT_FALSE(information.imagePath.isEmpty());
    EXPECT_TRUE(information.bits.empty() && information.allergens.isEmpty());
}

TEST(NutritionalInformationConverter, ScalesHalfAwayFromZeroWithinTheIntegersRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    // (value, decimals, scaled value)
    const std::vector<std::tuple<double, unsigned, int32_t>> cases = { { 2.25, 1, 23 }, { -2.25, 1, -23 },
        { 0.04, 1, 0 }, { 0.05, 1, 1 }, { 2.25, 0, 2 }, { 2.25, 2, 225 }, { 1e12, 1, 2147483647 },
        { -1e12, 1, -2147483647 - 1 }, { nan, 1, 0 }, { infinity, 1, 2147483647 } };
    for (const auto& [value, decimals, scaled] : cases) {
        const ::NutritionalInformation item(QStringLiteral("Fat"), value, QStringLiteral("g"), 4);
        const Lea::InformationBit b
            = bridge::products::NutritionalInformationConverter::coreInformationToLeaInformation(
                &item, decimals);
        EXPECT_EQ(b.scaledValue, scaled) << value << " " << decimals;
        EXPECT_EQ(
            std::make_tuple(b.id, b.unit, b.decimals), std::make_tuple(4u, QStringLiteral("g"), decimals));
        if (!std::isnan(value)) {
            EXPECT_EQ(b.value, value);
        }
    }
}

const GuardCase<Accessor> kGuard[] = {
    { "allIngredients", [](Accessor& a) { return a.allIngredients().empty(); } },
    { "allIngredientsFromCanisters", [](Accessor& a) { return a.allIngredientsFromCanisters().empty(); } },
    { "allProducts", [](Accessor& a) { return a.allProducts().empty(); } },
    { "allIngredients", [](Accessor& a) { return !a.forIngredient(L::Ingredient7); }, Guard::Configuration,
        "forIngredient" },
    { "allIngredientsFromCanisters", [](Accessor& a) { return !a.forCanisterIngredient(L::Ingredient7); },
        Guard::Configuration, "forCanisterIngredient" },
    { "forProduct", [](Accessor& a) { return !a.forProduct(BId(1)); } },
    { "globalAllergensInfo", [](Accessor& a) { return a.globalAllergensInfo().isEmpty(); } },
    { "getRecipeCustomizationStepInformation",
        [](Accessor& a) {
            return a.getRecipeCustomizationStepInformation(RId(1), lea::products::Customizations::Type1, 0)
                .empty();
        } },
};
GUARD_TEST(NutritionalInformationGuard, Lea, Accessor, kGuard);

} // namespace
