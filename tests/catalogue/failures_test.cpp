#include "core/catalogue/category.h"
#include "support/cataloguetest.h"

#include <functional>

namespace {

/// A loader write of several statements, one of which a trigger makes fail; it reports success
/// or a new id. The products tests refuse the bridge's writes at their first statement.
struct InjectedFailure
{
    const char* name;
    const char* trigger;
    std::function<bool(Configuration&, const TestCatalogue&)> write;
};

std::ostream& operator<<(std::ostream& out, const InjectedFailure& failure)
{
    return out << failure.name;
}

class CatalogueWriteFailure : public CatalogueTest, public ::testing::WithParamInterface<InjectedFailure>
{
};

const InjectedFailure kFailures[] = {
    { "DeleteRecipeBeverages", "BEFORE UPDATE ON Beverages",
        [](Configuration& c, const TestCatalogue& ids) { return c.loader()->deleteRecipe(ids.espresso); } },
    { "LinkStepInTheMiddle", "BEFORE INSERT ON Recipe_Steps",
        [](Configuration& c, const TestCatalogue& ids) {
            return c.loader()->addStepToRecipe(
                ids.cappuccino, ids.hotChocolateSteps.at(1), ids.cappuccinoSteps.at(0));
        } },
    { "UnlinkMiddleStep", "BEFORE DELETE ON Recipe_Steps",
        [](Configuration& c, const TestCatalogue& ids) {
            return c.loader()->removeStepFromRecipe(ids.cappuccino, ids.cappuccinoSteps.at(1));
        } },
    { "LinkNewCustomization", "BEFORE INSERT ON Recipe_Customizations",
        [](Configuration& c, const TestCatalogue& ids) {
            RecipeCustomization customization(RecipeCustomization::SizeCustomization, QStringLiteral("Size"),
                0, 0, 3, 0.0f, 0, 0, RecipeCustomization::CupIcon, 0, 0);
            return c.saveCustomization(&customization, ids.espresso) || customization.dbId() != -1;
        } },
    { "DeleteLastCustomizationLink", "BEFORE DELETE ON Customizations",
        [](Configuration& c, const TestCatalogue& ids) {
            return c.deleteCustomization(ids.cappuccino, ids.milkCustomization);
        } },
    { "CalibrationOfOneCanister", "BEFORE UPDATE ON Canisters WHEN NEW.logical_canister_id = 5",
        [](Configuration& c, const TestCatalogue&) {
            for (Canister* canister : c.canisters())
                canister->setCalibrationMax(canister->calibrationMax() + 1);
            return c.loader()->saveCanistersCalibration(c.canisters().values());
        } },
    { "NewCategoryProducts", "BEFORE INSERT ON Category_Products",
        [](Configuration& c, const TestCatalogue&) {
            Category category;
            category.addProductId(3);
            return c.saveCategoryInfos(&category) || category.id() != -1;
        } },
};

} // namespace

TEST_P(CatalogueWriteFailure, LeavesTheDatabaseAsItWas)
{
    refuseWrites(QLatin1String(GetParam().trigger));
    const QStringList before = snapshot();
    const quint32 changes = databaseChangeCounter();

    EXPECT_FALSE(GetParam().write(configuration(), ids));

    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(logEntriesContaining(QStringLiteral("refused")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Writes, CatalogueWriteFailure, ::testing::ValuesIn(kFailures), caseName<InjectedFailure>);
