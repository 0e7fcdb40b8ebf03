#include "bridge/interface/dispensing.h"
#include "bridge/interface/selection.h"
#include "bridge/misc/states.h"
#include "bridge/payment/payments.h"
#include "bridge/statistics/delivery.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/snack.h"
#include "core/configuration/configuration.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/machine/selectionqrcode.h"
#include "core/payment/payment.h"
#include "core/selection/quickselectionmanager.h"
#include "core/selection/userselectionmanager.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

namespace {

using Lea = lea::interface::Selection;
using Accessor = bridge::interface::Selection;
using Id = lea::ProductDbId;
using Code = lea::QuickCodeId;
using quickselection::QsProductCustomization;

// The test catalogue with prices (espresso 150, cappuccino 220), a snack in
// planogram 7, and quick codes 12 (espresso) and 34 (cappuccino with sugar 4).
class SelectionTest : public AccessorTest<Lea, Accessor>
{
protected:
    void SetUp() override
    {
        AccessorTest::SetUp();
        espresso = configuration().beverage(ids.espressoBeverage);
        cappuccino = configuration().beverage(ids.cappuccinoBeverage);
        espresso->setOrAddPrice(0, 0, 0, 0, 150, -1);
        cappuccino->setOrAddPrice(0, 0, 0, 0, 220, -1);
        auto snackProduct = std::make_unique<Snack>();
        snackProduct->setSnackNumber(7);
        snackProduct->setId(900);
        snack = static_cast<Snack*>(configuration().appendLoadedProduct(std::move(snackProduct)));
        quickCodes().setCode(12, ids.espressoBeverage);
        quickCodes().setCode(34, ids.cappuccinoBeverage,
            { std::make_shared<QsProductCustomization>(
                ids.cappuccinoBeverage, RecipeCustomization::SugarCustomization, 4) });
        clearLog();
    }

    quickselection::QuickSelectionManager& quickCodes() const
    {
        return *configuration().quickSelectionManager();
    }
    UserSelectionManager& manager() const { return *gCoreEnv->userSelectionManager(); }
    Payment& payment() const { return *gCoreEnv->payment(); }

    Beverage* espresso = nullptr;
    Beverage* cappuccino = nullptr;
    Snack* snack = nullptr;
};

TEST_F(SelectionTest, SelectsByIdAndResetsOnNothingOrAnUnknownId)
{
    QSignalSpy changed(accessor.get(), &Lea::selectionChanged);
    EXPECT_FALSE(accessor->selection());
    EXPECT_TRUE(accessor->setSelection(Id(ids.espressoBeverage)));
    ASSERT_TRUE(accessor->selection());
    EXPECT_EQ(accessor->selection()->product, Id(ids.espressoBeverage));
    EXPECT_EQ(manager().remoteSelection(), nonstd::optional<quint8>(1));
    EXPECT_EQ(changed.count(), 1);

    // An unavailable product is refused and the selection stays.
    cappuccino->setEnabled(false);
    EXPECT_FALSE(accessor->setSelection(Id(ids.cappuccinoBeverage)));
    EXPECT_EQ(accessor->selection()->product, Id(ids.espressoBeverage));
    // ... but the user interface's choice is shown all the same.
    EXPECT_TRUE(accessor->setSelectionUpdateUI(Id(ids.cappuccinoBeverage)));
    EXPECT_EQ(accessor->selection()->product, Id(ids.cappuccinoBeverage));

    EXPECT_FALSE(accessor->setSelection(Id(9999)));
    EXPECT_FALSE(accessor->selection());
    EXPECT_TRUE(accessor->setSelection(Id(ids.espressoBeverage)));
    EXPECT_TRUE(accessor->setSelection({}));
    EXPECT_FALSE(accessor->selection());
    // A null selection is stored, without a selectionChanged().
    EXPECT_EQ(changed.count(), 3);

    gCoreEnv->machine()->setSelectionQrCodeFitted(true);
    accessor->setSelectionQRCode({ 5, QStringLiteral("https://pay.example/5") });
    accessor->setSelection(Id(ids.espressoBeverage));
    EXPECT_EQ(accessor->selection()->qrCode->url, QStringLiteral("https://pay.example/5"));
    gCoreEnv->machine()->setSelectionQrCodeFitted(false);
    accessor->setSelectionQRCode({ 6, QString() });
    EXPECT_FALSE(accessor->selection()->qrCode);
}

TEST_F(SelectionTest, QuickCodesAreCheckedResolvedAndFoundAgain)
{
    struct Case
    {
        unsigned code;
        Lea::SelectionResult result;
    };
    quickCodes().setCode(55, 555); // a product that the loaded configuration lacks
    quickCodes().setCode(56, ids.cappuccinoBeverage,
        { std::make_shared<QsProductCustomization>(
            ids.cappuccinoBeverage, RecipeCustomization::MilkAlternativeCustomization, 99) });
    const Case cases[] = { { 12, Lea::Success }, { 34, Lea::Success }, { 1, Lea::InvalidQuickCode },
        { 55, Lea::InvalidQuickCode }, { 56, Lea::CustomizationFailed }, { 10007, Lea::Success },
        { 10001, Lea::ProductNotAvailable }, { 10000, Lea::InvalidQuickCode } };
    for (const Case& c : cases)
        EXPECT_EQ(accessor->quickCodeSelectionAvailable(Code(c.code)), c.result) << c.code;
    snack->setEnabled(false);
    EXPECT_EQ(accessor->quickCodeSelectionAvailable(Code(10007)), Lea::ProductNotAvailable);

    EXPECT_EQ(accessor->getQuickCodeForSelection(), Code(0));
    accessor->setSelectionFromQuickCode(Code(34));
    accessor->setSelectionCustomizationsFromQuickCode(Code(34));
    EXPECT_EQ(accessor->selection()->product, Id(ids.cappuccinoBeverage));
    const auto customizations = accessor->selectionCustomizations();
    ASSERT_FALSE(customizations.empty());
    EXPECT_EQ(customizations[0].currentChoiceIndex, 4);
    EXPECT_EQ(accessor->getQuickCodeForSelection(), Code(34));
    EXPECT_TRUE(accessor->quickSelectionAvailableForProduct(Id(ids.espressoBeverage)));
    EXPECT_FALSE(accessor->quickSelectionAvailableForProduct(Id(ids.hotChocolateBeverage)));
}

TEST_F(SelectionTest, ResultMessagesAndTheUnsupportedRecipeUpdate)
{
    EXPECT_FALSE(accessor->resultMessage(Lea::Success));
    EXPECT_FALSE(accessor->resultMessage(Lea::SelectionResult(7)));
    EXPECT_EQ(accessor->resultMessage(Lea::ProductNotAvailable), QStringLiteral("Product not available"));
    EXPECT_EQ(accessor->resultMessage(Lea::InvalidQuickCode), QStringLiteral("Invalid quick code selection"));
    accessor->updateSelectionRecipe();
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].items[1],
        QStringLiteral(
            "virtual void bridge::interface::Selection::updateSelectionRecipe()is not implemented."));
}

// What the user interface hears during a sale, in order.
class SaleTest : public SelectionTest
{
protected:
    void SetUp() override
    {
        SelectionTest::SetUp();
        states = createAccessor<lea::misc::States, bridge::misc::States>();
        payments = createAccessor<lea::payment::Payments, bridge::payment::Payments>();
        delivery = createAccessor<lea::statistics::Delivery, bridge::statistics::Delivery>();
        gCoreEnv->machine()->cpuStateMachine()->setCurrentState(CpuStateMachine::Ready);
        const auto record
            = [this](const char* name) { return [this, name] { heard << QLatin1String(name); }; };
        QObject::connect(accessor.get(), &Lea::selectionChanged, record("selection"));
        QObject::connect(payments.get(), &lea::payment::Payments::creditChanged, record("credit"));
        QObject::connect(states.get(), &lea::misc::States::erogationStarted, record("started"));
        QObject::connect(states.get(), &lea::misc::States::erogationTakeCup, record("take cup"));
        QObject::connect(states.get(), &lea::misc::States::erogationDone, record("done"));
        QObject::connect(states.get(), &lea::misc::States::notEnoughCredit, record("not enough credit"));
        QObject::connect(delivery.get(), &lea::statistics::Delivery::productDelivered,
            [this](const lea::statistics::Delivery::ProductDeliveryEvent& event) {
                heard << QStringLiteral("delivered");
                delivered.push_back(event);
            });
    }

    std::unique_ptr<bridge::misc::States> states;
    std::unique_ptr<bridge::payment::Payments> payments;
    std::unique_ptr<bridge::statistics::Delivery> delivery;
    QStringList heard;
    std::vector<lea::statistics::Delivery::ProductDeliveryEvent> delivered;
};

TEST_F(SaleTest, TwoCoinsBuyAnEspressoAndTheCreditLeftStays)
{
    configuration().paymentSettings()->setCreditKept(true);
    payment().addCredit(100);
    payment().addCredit(100);
    accessor->setSelectionFromQuickCode(Code(12));
    accessor->startDelivery();

    EXPECT_EQ(heard,
        (QStringList {
            "credit", "credit", "selection", "credit", "started", "take cup", "delivered", "done" }));
    EXPECT_EQ(payments->credit(), 50);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].productId, Id(ids.espressoBeverage));
    EXPECT_EQ(delivered[0].price, 150);
    ASSERT_TRUE(delivered[0].recipe);
    // Coffee beans 8 g and sugar 5 g.
    ASSERT_EQ(delivered[0].recipe->ingredients.size(), 2u);
    EXPECT_EQ(delivered[0].recipe->ingredients[0].quantity, 8);
    EXPECT_EQ(delivery->totalDeliveryCount(), 1);
    // The states accessor clears the dispensing a moment after it is done; a
    // loaded machine may take longer than a fixed wait to get there.
    EXPECT_TRUE(QTest::qWaitFor([&] { return states->status().state == lea::misc::States::Ready; }, 5000));
    EXPECT_EQ(states->status().state, lea::misc::States::Ready);
    EXPECT_FALSE(accessor->currentDispensedProduct());
}

TEST_F(SaleTest, TheChangeIsPaidBackAndAShortCreditBuysNothing)
{
    QSignalSpy money(payments.get(), &lea::payment::Payments::moneyEvent);
    payment().addCredit(250);
    accessor->setSelection(Id(ids.cappuccinoBeverage));
    accessor->startDelivery();
    EXPECT_EQ(payment().credit(), 0);
    ASSERT_EQ(money.count(), 2);
    const auto change = money[1][0].value<lea::payment::Payments::MoneyEvent>();
    EXPECT_EQ(change.type, lea::payment::Payments::ChangeOut);
    EXPECT_EQ(change.value, 30);
    ASSERT_EQ(delivered.size(), 1u);

    payment().addCredit(100);
    accessor->startDelivery();
    EXPECT_TRUE(heard.contains(QStringLiteral("not enough credit")));
    EXPECT_EQ(payment().credit(), 100);
    EXPECT_EQ(delivered.size(), 1u);

    // Free vend buys without credit, even a product without a price.
    payment().setFreeVend(true);
    accessor->setSelection(Id(ids.hotChocolateBeverage));
    accessor->startDelivery();
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[1].price, 0);
    EXPECT_FALSE(delivered[1].paid);
}

TEST_F(SaleTest, APurchaseWaitingForTheCupRunsOnceWhenTheCupIsPlaced)
{
    payment().setFreeVend(true);
    manager().setCurrentState(UserSelectionManager::WaitingForCup);
    EXPECT_TRUE(accessor->waitingForCup());
    accessor->setSelection(Id(ids.espressoBeverage));
    accessor->startDelivery();
    accessor->startDelivery(); // a second request does not buy twice
    EXPECT_TRUE(delivered.empty());
    manager().setCurrentState(UserSelectionManager::Idle);
    EXPECT_EQ(delivered.size(), 1u);
    manager().setCurrentState(UserSelectionManager::WaitingForCup);
    manager().setCurrentState(UserSelectionManager::Idle);
    EXPECT_EQ(delivered.size(), 1u);

    // A new selection drops the waiting purchase.
    manager().setCurrentState(UserSelectionManager::WaitingForCup);
    accessor->startDelivery();
    accessor->setSelection(Id(ids.cappuccinoBeverage));
    manager().setCurrentState(UserSelectionManager::Idle);
    EXPECT_EQ(delivered.size(), 1u);

    // A cup carrier out of place stops the purchase and is announced.
    QSignalSpy carrier(accessor.get(), &Lea::invalidCupCarrierPosition);
    gCoreEnv->machine()->erogationManager()->setCupCarrierReady(false);
    accessor->startDelivery();
    EXPECT_EQ(carrier.count(), 1);
    EXPECT_EQ(delivered.size(), 1u);
}

TEST_F(SaleTest, ARecipeGivenWholeIsDispensedAndReplaced)
{
    payment().setFreeVend(true);
    const auto dispensing = createAccessor<lea::interface::Dispensing, bridge::interface::Dispensing>();
    lea::products::FlatRecipes::Recipe recipe;
    recipe.name = QStringLiteral("Hot water");
    lea::products::FlatRecipes::Step water;
    water.type = lea::products::Recipes::WaterOnly;
    water.waterDose = 120;
    recipe.steps = { water };
    dispensing->prepareRecipe(recipe);
    QPointer<Product> first = manager().selectedProduct();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->id(), bridge::interface::Dispensing::TemporaryId);
    EXPECT_EQ(manager().remoteSelection(), nonstd::optional<quint8>(0));
    dispensing->prepareRecipe(recipe);
    EXPECT_FALSE(first);
    accessor->startDelivery();
    ASSERT_EQ(delivered.size(), 1u);
    ASSERT_TRUE(delivered[0].recipe);
    EXPECT_EQ(delivered[0].recipe->ingredients.size(), 0u);

    // While dispensing, the user interface's choice waits for the cup check.
    QSignalSpy check(gGuiEnv->guiManager(), &GuiManager::checkCupMessageDisplayed);
    gCoreEnv->machine()->setErogating(true);
    EXPECT_FALSE(accessor->setSelectionUpdateUI(Id(ids.espressoBeverage)));
    EXPECT_EQ(check.count(), 1);
    dispensing->stopDispensing();
    EXPECT_FALSE(gCoreEnv->machine()->isErogating());
}

const Id kAny(1);
const GuardCase<Accessor> kGuard[] = {
    { "selection", [](Accessor& a) { return !a.selection(); }, false },
    { "selectionCustomizations", [](Accessor& a) { return a.selectionCustomizations().empty(); }, false },
    { "currentDispensedProduct", [](Accessor& a) { return !a.currentDispensedProduct(); }, false },
    { "setSelectionQRCode", [](Accessor& a) { return a.setSelectionQRCode({}), true; }, false },
    { "quickCodeSelectionAvailable",
        [](Accessor& a) { return a.quickCodeSelectionAvailable(Code(1)) == Lea::InvalidQuickCode; } },
    { "setSelectionFromQuickCode", [](Accessor& a) { return a.setSelectionFromQuickCode(Code(1)), true; },
        false },
    { "setSelectionCustomizationsFromQuickCode",
        [](Accessor& a) { return a.setSelectionCustomizationsFromQuickCode(Code(1)), true; } },
    { "getQuickCodeForSelection", [](Accessor& a) { return a.getQuickCodeForSelection() == Code(0); },
        Guard::Asserted },
    { "quickSelectionAvailableForProduct",
        [](Accessor& a) { return !a.quickSelectionAvailableForProduct(kAny); } },
    { "updateSelectionRecipe", [](Accessor& a) { return a.updateSelectionRecipe(), true; },
        Guard::Unsupported },
    // Both look the product up through the guarded look-up, which names itself.
    { "coreProductByDbId", [](Accessor& a) { return !a.setSelection(kAny); }, true, "setSelection" },
    { "coreProductByDbId", [](Accessor& a) { return !a.setSelectionUpdateUI(kAny); }, true,
        "setSelectionUpdateUI" },
    { "startDelivery", [](Accessor& a) { return a.startDelivery(), true; }, false },
    { "waitingForCup", [](Accessor& a) { return !a.waitingForCup(); }, false },
    { "resultMessage", [](Accessor& a) { return !a.resultMessage(Lea::Success); }, false },
};
GUARD_TEST(SelectionGuard, Lea, Accessor, kGuard);

using DispensingAccessor = bridge::interface::Dispensing;
// Neither needs the configuration: a recipe given whole is stored nowhere.
const GuardCase<DispensingAccessor> kDispensingGuard[] = {
    { "stopDispensing", [](DispensingAccessor& d) { return d.stopDispensing(), true; }, false },
    { "prepareRecipe",
        [](DispensingAccessor& d) {
            d.prepareRecipe({});
            return gCoreEnv->userSelectionManager()->isProductSelected();
        },
        false },
};
GUARD_TEST(DispensingGuard, lea::interface::Dispensing, DispensingAccessor, kDispensingGuard);

} // namespace
