#include "core/selection/userselectionmanager.h"

#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/product.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/recipecustomization.h"
#include "core/configuration/configuration.h"
#include "core/configuration/paymentsettings.h"
#include "core/coreenvironment.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/payment/payment.h"
#include "core/statistics/statistics.h"

#include <algorithm>
#include <QTimer>
#include <utility>

UserSelectionManager::UserSelectionManager(QObject* parent)
    : QObject(parent)
{
}

void UserSelectionManager::follow(Machine* machine, MachineClock* clock)
{
    connect(clock, &MachineClock::timeChanged, this, &UserSelectionManager::onMachineTimeChanged);
    // Queued: everyone hears of the failure before the dispensing ends.
    connect(machine, &Machine::erogationFailed, this, &UserSelectionManager::onErogationFailed,
        Qt::QueuedConnection);
}

UserSelectionManager::~UserSelectionManager() = default;

Product* UserSelectionManager::selectedProduct() const
{
    return m_selectedProduct;
}

void UserSelectionManager::setSelectedProduct(Product* product, nonstd::optional<quint8> remoteSelection)
{
    m_remoteSelection = remoteSelection;
    if (product == m_selectedProduct)
        return;
    m_selectedProduct = product;
    // The customer's working copy of the recipe starts from the stored one.
    m_selectionRecipe = createCustomRecipe(qobject_cast<Beverage*>(product));
    emit selectedProductChanged(product);
}

void UserSelectionManager::setSelectedQuantity(int quantity)
{
    if (quantity == m_selectedQuantity)
        return;
    m_selectedQuantity = quantity;
    emit selectedQuantityChanged(quantity);
}

void UserSelectionManager::setCurrentState(State state)
{
    if (state == m_currentState)
        return;
    const bool waitedForCup = m_currentState == WaitingForCup;
    m_currentState = state;
    emit currentStateChanged(state);
    if (waitedForCup != (state == WaitingForCup))
        emit waitingForCupChanged();
}

void UserSelectionManager::setSugarPreselection(std::unique_ptr<RecipeCustomization> preselection)
{
    const std::unique_ptr<RecipeCustomization> previous
        = std::exchange(m_sugarPreselection, std::move(preselection));
    emit sugarPreselectionChanged();
}

void UserSelectionManager::setCupPreselection(std::unique_ptr<RecipeCustomization> preselection)
{
    const std::unique_ptr<RecipeCustomization> previous
        = std::exchange(m_cupPreselection, std::move(preselection));
    emit cupPreselectionChanged();
}

void UserSelectionManager::setSelectionRecipe(std::unique_ptr<Recipe> recipe)
{
    m_selectionRecipe = std::move(recipe);
}

std::unique_ptr<Recipe> UserSelectionManager::createCustomRecipe(const Beverage* beverage) const
{
    const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr;
    if (!beverage || !beverage->recipe() || !configuration)
        return nullptr;
    return configuration->loadAndFillRecipe(beverage->recipe()->dbId());
}

Product* UserSelectionManager::currentDispensedProduct() const
{
    return m_dispensedProduct.data();
}

Beverage* UserSelectionManager::selectedBeverage() const
{
    return qobject_cast<Beverage*>(m_selectedProduct.data());
}

// --- The simulated sale --------------------------------------------------------
// A purchase goes through the machine's dispensing events in order: started,
// one pause per preparation step, take the cup, cup taken, done; then the
// delivery is counted and notified and the change paid back.

void UserSelectionManager::buySelectedProduct()
{
    Product* product = m_selectedProduct;
    Machine* machine = gCoreEnv ? gCoreEnv->machine() : nullptr;
    Payment* payment = gCoreEnv ? gCoreEnv->payment() : nullptr;
    if (!product || !machine || !payment || machine->isErogating())
        return;
    if (!product->isAvailable()) {
        emit unavailableProductSelected(product);
        return;
    }
    // A product without a price in force is sold only when the vend is free.
    const int price = product->currentPrice();
    if ((price < 0 && !payment->isVendFree()) || !payment->chargeVend(std::max(price, 0))) {
        payment->reportNotEnoughCredit();
        return;
    }
    m_dispensedProduct = product;
    m_dispensedPrice = std::max(price, 0);
    setCurrentState(Dispensing);
    machine->setErogating(true);
    machine->erogationManager()->setErogationStatus(ErogationManager::InProgress);
    machine->cpuStateMachine()->setCurrentState(CpuStateMachine::Dispensing);
    machine->startErogation();
    runVendStep(0);
}

void UserSelectionManager::runVendStep(int step)
{
    Machine* machine = gCoreEnv->machine();
    const auto* beverage = qobject_cast<const Beverage*>(m_dispensedProduct.data());
    const Recipe* recipe = beverage ? beverage->recipe() : nullptr;
    const int steps = recipe ? recipe->preparationSteps().size() : 0;
    // Stopped from outside, or the product is gone (its configuration was replaced).
    if (!machine->isErogating() || !m_dispensedProduct) {
        finishVend(false);
        return;
    }
    if (step < steps) {
        const int stepTimeCS = recipe->preparationSteps().at(step)->erogationTimeCS();
        if (m_onMachineClock) {
            const QDateTime started = m_pendingStep >= 0 ? m_pendingStepDue : gCoreEnv->clock()->now();
            m_pendingStep = step + 1;
            m_pendingStepDue = started.addMSecs(qint64(std::max(stepTimeCS, 0)) * 10);
            onMachineTimeChanged();
            return;
        }
        gCoreEnv->clock()->advanceSeconds(stepTimeCS / 100);
        if (m_stepDelayMs > 0)
            QTimer::singleShot(m_stepDelayMs, this, [this, step] { runVendStep(step + 1); });
        else
            runVendStep(step + 1);
        return;
    }
    machine->erogationManager()->setErogationStatus(ErogationManager::TakeCup);
    machine->requestCupRemoval();
    machine->confirmCupRemoved();
    finishVend(true);
}

void UserSelectionManager::onMachineTimeChanged()
{
    if (m_pendingStep < 0 || gCoreEnv->clock()->now() < m_pendingStepDue)
        return;
    runVendStep(m_pendingStep);
}

void UserSelectionManager::onErogationFailed()
{
    // A stopped dispensing ends now, not when its step would have finished.
    if (m_pendingStep >= 0)
        finishVend(false);
}

void UserSelectionManager::finishVend(bool delivered)
{
    m_pendingStep = -1;
    Machine* machine = gCoreEnv->machine();
    Payment* payment = gCoreEnv->payment();
    Product* product = m_dispensedProduct;
    if (delivered && product) {
        machine->countDelivery();
        const int count = product->evadtsValue(QStringLiteral("PA203")).toInt();
        product->setEvadtsValue(QStringLiteral("PA203"), QString::number(count + 1));
        product->setLastErogationTime(gCoreEnv->clock()->now());
        Statistics::ConnectivityVendEvent event;
        event.paid = m_dispensedPrice > 0;
        event.product = product;
        event.price = m_dispensedPrice;
        event.paymentKind = m_dispensedPrice > 0 ? QStringLiteral("cash") : QStringLiteral("free");
        if (auto* beverage = qobject_cast<Beverage*>(product))
            event.recipe = m_selectionRecipe && product == m_selectedProduct ? m_selectionRecipe.get()
                                                                             : beverage->recipe();
        machine->statistics()->notifyVend(event);
    }
    // A vend that failed costs nothing: the customer keeps the credit to choose again.
    const Configuration* configuration = gCoreEnv->configuration();
    if (!delivered)
        payment->refundVend(m_dispensedPrice);
    else if (!configuration || !configuration->paymentSettings()->isCreditKept())
        payment->returnChange();
    m_dispensedProduct = nullptr;
    m_dispensedPrice = 0;
    machine->setErogating(false);
    machine->erogationManager()->setErogationStatus(
        delivered ? ErogationManager::Idle : ErogationManager::Failed);
    // The dispensing is over, failed or not: the machine says so either way.
    machine->finishErogation();
    machine->cpuStateMachine()->setCurrentState(CpuStateMachine::Ready);
    setCurrentState(Idle);
    emit vendFinished(delivered);
}
