// A whole sale on the machine simulator, seen through the bridge: the operator
// builds a cappuccino, offers it and prices it through the accessors; the
// customer inserts two coins, types its quick code, asks for a strong one and
// buys it, while the selection, payment, states and delivery accessors report
// each event; then the cups run out and the failures accessor lists the failure.
#include "bridge/bridge.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/canister.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/coresimulator.h"
#include "core/gui/guimanager.h"
#include "core/log/logsink.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"
#include "core/payment/payment.h"
#include "core/selection/quickselectionmanager.h"
#include "core/selection/userselectionmanager.h"
#include "demo/factorytable.h"
#include "lea/interface/selection.h"
#include "lea/maintenance/failures.h"
#include "lea/misc/states.h"
#include "lea/payment/payments.h"
#include "lea/payment/productsprice.h"
#include "lea/products/beverages.h"
#include "lea/products/canisters.h"
#include "lea/products/categories.h"
#include "lea/products/customizations.h"
#include "lea/products/products.h"
#include "lea/products/recipes.h"
#include "lea/statistics/delivery.h"

#include <memory>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

QTextStream out(stdout);

template <class Accessor, class Factory> std::unique_ptr<Accessor> create(Factory& factory)
{
    auto& imp = static_cast<lea::priv::AbstractFactoryImp<Accessor>&>(factory);
    return std::unique_ptr<Accessor>(imp.createImp(static_cast<Accessor*>(nullptr), nullptr));
}

// The machine's canisters come with the machine, not from the user interface.
void fillCanisters(Configuration& configuration)
{
    struct Fill
    {
        Canister::LogicalCanisterId id;
        const char* name;
        int grams;
    };
    for (const Fill& fill :
        { Fill { Canister::CoffeeBeans, "Coffee beans", 950 }, Fill { Canister::MilkPowder, "Milk powder", 420 } }) {
        Canister canister;
        canister.setLogicalCanisterId(fill.id);
        canister.setName(QString::fromLatin1(fill.name));
        canister.setProductName(QString::fromLatin1(fill.name));
        canister.setCalibrationMin(10);
        canister.setCalibrationMax(90);
        canister.powderLevel()->setCurrentValue(fill.grams * 10);
        configuration.loader()->saveCanister(&canister);
    }
}

lea::products::Recipes::Step espressoStep()
{
    lea::products::Recipes::Step step;
    step.type = lea::products::Recipes::Espresso;
    step.description = QStringLiteral("Extraction");
    step.waterSpeed = 8;
    step.waterDose = 30;
    step.preInfusionDose = 5;
    step.preInfusionTime = 1200;
    step.squeezeEnabled = true;
    step.pressureCurrent = lea::products::Recipes::Step::HighCurrent;
    return step;
}

lea::products::Recipes::Step milkStep()
{
    lea::products::Recipes::Step step;
    step.type = lea::products::Recipes::Instant;
    step.description = QStringLiteral("Milk");
    step.waterSpeed = 10;
    step.waterDose = 90;
    step.mixer = lea::products::Recipes::Step::Mixer { lea::products::Recipes::Step::Mixer::High, true };
    return step;
}

lea::products::Recipes::Ingredient ingredient(lea::products::Recipes::IngredientType type,
    lea::products::Canisters::LogicalIngredient logical, int dose)
{
    lea::products::Recipes::Ingredient ingredient;
    ingredient.type = type;
    ingredient.logicalIngredient = logical;
    ingredient.dose = dose;
    if (type == lea::products::Recipes::IngredientInstant)
        ingredient.powder = lea::products::Recipes::Ingredient::Powder { 60, 0, {} };
    return ingredient;
}

// Builds a cappuccino the way the recipe editor of the user interface does.
nonstd::optional<lea::RecipeDbId> createCappuccino(lea::products::Recipes& recipes)
{
    const auto coffee = recipes.createStep(espressoStep());
    const auto milk = recipes.createStep(milkStep());
    if (!coffee || !milk)
        return {};
    using bridge::products::LogicalIngredientEnumConverter;
    const auto beans = LogicalIngredientEnumConverter::toExternalOrThrow(Canister::CoffeeBeans);
    const auto milkPowder = LogicalIngredientEnumConverter::toExternalOrThrow(Canister::MilkPowder);
    recipes.createIngredient(ingredient(lea::products::Recipes::IngredientEspresso, beans, 8), *coffee);
    recipes.createIngredient(ingredient(lea::products::Recipes::IngredientInstant, milkPowder, 12), *milk);

    lea::products::Recipes::Recipe recipe = recipes.defaultRecipe();
    recipe.name = QStringLiteral("Cappuccino");
    recipe.translations = { lea::Translation { QLocale::German, {}, QStringLiteral("Cappuccino"), {} },
        lea::Translation { QLocale::Italian, {}, QStringLiteral("Cappuccino"), {} } };
    recipe.hasCup = true;
    recipe.cupType = lea::products::Recipes::Mug;
    recipe.steps = { *coffee, *milk };
    return recipes.createRecipe(recipe);
}

void printRecipe(const lea::products::Recipes& recipes, lea::RecipeDbId id)
{
    const auto recipe = recipes.recipe(id);
    if (!recipe)
        return;
    out << "Recipe " << id.value() << " \"" << recipe->name << "\", " << recipe->steps.size() << " steps\n";
    for (const lea::RecipeStepDbId stepId : recipe->steps) {
        const auto step = recipes.step(stepId);
        if (!step)
            continue;
        out << "  step " << stepId.value() << ": " << step->description << ", " << step->waterDose << ' '
            << step->waterDoseUnit << " water at speed " << step->waterSpeed << '\n';
        for (const lea::RecipeStepIngredientDbId ingredientId : step->ingredients) {
            if (const auto ingredient = recipes.ingredient(ingredientId))
                out << "    " << ingredient->nameKey << ": " << ingredient->dose << " g from canister \""
                    << ingredient->canisterName << "\"\n";
        }
    }
}

QString stateText(const lea::misc::States& states)
{
    const lea::misc::States::Status status = states.status();
    return QStringLiteral("state %1, dispensing state %2")
        .arg(int(status.state))
        .arg(int(status.erogationState));
}

void followSale(lea::interface::Selection& selection, lea::payment::Payments& payments,
    lea::misc::States& states, lea::statistics::Delivery& delivery)
{
    const auto report = [&states](const char* event) {
        return [&states, event] { out << "  [states] " << event << " (" << stateText(states) << ")\n"; };
    };
    QObject::connect(&selection, &lea::interface::Selection::selectionChanged,
        [&selection] { out << "  [selection] product " << selection.selection()->product.value() << '\n'; });
    QObject::connect(
        &payments, &lea::payment::Payments::moneyEvent, [](const lea::payment::Payments::MoneyEvent& event) {
            out << "  [payment] money event " << int(event.type) << ", " << event.value << '\n';
        });
    QObject::connect(&payments, &lea::payment::Payments::creditChanged,
        [&payments] { out << "  [payment] credit " << payments.credit() << '\n'; });
    QObject::connect(&states, &lea::misc::States::notEnoughCredit, report("not enough credit"));
    QObject::connect(&states, &lea::misc::States::erogationStarted, report("dispensing started"));
    QObject::connect(&states, &lea::misc::States::erogationTakeCup, report("take the cup"));
    QObject::connect(&states, &lea::misc::States::erogationDoneCupRemoved, report("cup removed"));
    QObject::connect(&states, &lea::misc::States::erogationDone, report("dispensing done"));
    QObject::connect(&states, &lea::misc::States::takeTheProduct, report("enjoy your drink"));
    QObject::connect(&delivery, &lea::statistics::Delivery::productDelivered,
        [](const lea::statistics::Delivery::ProductDeliveryEvent& event) {
            out << "  [delivery] product " << event.productId.value() << " for " << event.price << '\n';
            if (event.recipe) {
                for (const auto& ingredient : event.recipe->ingredients)
                    out << "    " << ingredient.name << ": " << ingredient.quantity << ' ' << ingredient.unit
                        << '\n';
            }
        });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    LogSink::instance().setEchoEnabled(false);

    CoreSimulator machine(dir.filePath(QStringLiteral("machine.sqlite")));
    machine.guiManager().setAvailableLanguages({ QLocale::English, QLocale::German, QLocale::Italian });
    fillCanisters(*machine.core().loadConfiguration());
    machine.core().loadConfiguration();

    bridge::Bridge bridge;
    auto recipes = create<lea::products::Recipes>(bridge.productsFactory());
    auto canisters = create<lea::products::Canisters>(bridge.productsFactory());
    auto beverages = create<lea::products::Beverages>(bridge.productsFactory());
    auto products = create<lea::products::Products>(bridge.productsFactory());
    auto categories = create<lea::products::Categories>(bridge.productsFactory());
    auto customizations = create<lea::products::Customizations>(bridge.productsFactory());
    auto prices = create<lea::payment::ProductsPrice>(bridge.paymentFactory());
    auto payments = create<lea::payment::Payments>(bridge.paymentFactory());
    auto selection = create<lea::interface::Selection>(bridge.interfaceFactory());
    auto states = create<lea::misc::States>(bridge.miscFactory());
    auto delivery = create<lea::statistics::Delivery>(bridge.statisticsFactory());

    // The operator builds the menu through the editor's accessors.
    const auto recipeId = createCappuccino(*recipes);
    if (!recipeId) {
        out << "The cappuccino could not be stored.\n";
        return 1;
    }
    lea::products::Customizations::Customization strength;
    strength.type = lea::products::Customizations::Type0;
    strength.name = QStringLiteral("Strength");
    strength.stepCount = 3;
    strength.defaultIndex = 1;
    customizations->addCustomization(strength, *recipeId);
    lea::products::Beverages::Beverage record;
    record.recipe = *recipeId;
    const auto productId = beverages->create(record);
    if (!productId) {
        out << "The cappuccino could not be offered.\n";
        return 1;
    }
    auto basics = products->basics(*productId).value_or(lea::products::Products::BasicProduct {});
    basics.name = QStringLiteral("Cappuccino");
    products->setBasics(*productId, basics);
    prices->setProductsPrices(
        { { *productId, { { lea::payment::TimeBands::TimeBand0, { 150, 140, 140, 0 } } } } });
    lea::products::Categories::Category hotDrinks;
    hotDrinks.title = QStringLiteral("Hot drinks");
    hotDrinks.displayed = true;
    hotDrinks.products = { *productId };
    categories->addCategory(hotDrinks);
    gCoreEnv->configuration()->quickSelectionManager()->setCode(12, int(productId->value()));
    printRecipe(*recipes, *recipeId);
    for (const auto& level : canisters->levels())
        out << "Canister " << level.canister.value() << " holds " << level.currentLevel << " g\n";

    out << "\nMenu\n";
    for (const auto& [id, product] : products->usedProducts()) {
        const auto price = prices->currentPrice(id);
        out << "  " << id.value() << " " << product.name << ": " << (price ? price->price : -1) << '\n';
    }

    out << "\nSale\n";
    followSale(*selection, *payments, *states, *delivery);
    machine.core().machine()->cpuStateMachine()->setCurrentState(CpuStateMachine::Ready);
    // Two coins, then the customer types 12 and asks for a strong one.
    machine.core().payment()->addCredit(100);
    machine.core().payment()->addCredit(100);
    const lea::QuickCodeId code(12);
    out << "  quick code 12: result " << int(selection->quickCodeSelectionAvailable(code)) << '\n';
    selection->setSelectionFromQuickCode(code);
    for (auto choice : selection->selectionCustomizations()) {
        choice.currentChoiceIndex = 2;
        customizations->setCurrentCustomizationStep(choice);
        out << "  [customization] " << choice.name << " step " << choice.currentChoiceIndex << '\n';
    }
    selection->startDelivery();
    // The dispensing flags clear shortly after the end of the dispensing.
    QTimer::singleShot(20, &app, &QCoreApplication::quit);
    app.exec();
    out << "  after the sale: " << stateText(*states) << ", credit " << payments->credit() << "\n";
    out << "  deliveries counted: " << delivery->totalDeliveryCount() << "\n\n";

    // The cup dispenser runs empty.
    auto failures = create<lea::maintenance::Failures>(bridge.maintenanceFactory());
    Machine& core = *machine.core().machine();
    core.failure(FailureCommonList::CupFailure)->setName(QStringLiteral("No cups"));
    core.setFailureActive(FailureCommonList::CupFailure, true);
    for (const auto& [id, info] : failures->activeFailures())
        out << "Failure " << int(id) << " active: " << info.name << '\n';
    out << '\n';

    printFactoryTable(out, bridge);
    return 0;
}
