#pragma once

#include "nonstd/optional.hpp"

#include <memory>
#include <QDateTime>
#include <QObject>
#include <QPointer>

class Beverage;
class Machine;
class MachineClock;
class Product;
class Recipe;
class RecipeCustomization;

/// The customer's selection and the sale that follows it.
class UserSelectionManager : public QObject
{
    Q_OBJECT

public:
    enum State : int {
        Idle = 0,
        /// More cups of the same order follow.
        BatchDispensing = 1,
        Dispensing = 2,
        /// An operator's test dispensing or an external vend: nobody takes the product.
        TestDispensing = 3,
        /// The machine waits for a cup to be put in place before it dispenses.
        WaitingForCup = 5,
    };

    explicit UserSelectionManager(QObject* parent = nullptr);
    ~UserSelectionManager() override;

    /// Follows the machine's stopped dispensings and its clock (see setDispensingOnMachineClock()).
    void follow(Machine* machine, MachineClock* clock);

    /// The selected product, or null; the catalogue owns it.
    Product* selectedProduct() const;
    /// Makes `product` the selection; `remoteSelection` says where the choice
    /// came from (1 the user interface, 0 a recipe given whole).
    void setSelectedProduct(Product* product, nonstd::optional<quint8> remoteSelection = nonstd::nullopt);
    /// Returns the selection to nothing selected.
    void resetSelectedProduct() { setSelectedProduct(nullptr); }
    bool isProductSelected() const { return !m_selectedProduct.isNull(); }
    nonstd::optional<quint8> remoteSelection() const { return m_remoteSelection; }
    /// The product being dispensed, or null.
    Product* currentDispensedProduct() const;
    /// Buys the selected product: charges the price in force, dispenses it and
    /// counts the delivery. An unavailable product is announced with
    /// unavailableProductSelected(), a short credit with Payment::notEnoughCredit().
    void buySelectedProduct();
    /// How long each step of a simulated dispensing takes; 0 runs it at once.
    void setDispensingStepDelay(int milliseconds) { m_stepDelayMs = milliseconds; }
    /// With true, each step of a dispensing lasts its dispensing time on the
    /// machine clock: the dispensing moves on as the simulated time does.
    void setDispensingOnMachineClock(bool onClock) { m_onMachineClock = onClock; }
    /// The selected product when it is a beverage, or null.
    Beverage* selectedBeverage() const;

    /// The number of cups ordered of the selected product; 0 while nothing is ordered.
    int selectedQuantity() const { return m_selectedQuantity; }
    void setSelectedQuantity(int quantity);

    State currentState() const { return m_currentState; }
    void setCurrentState(State state);

    /// The sugar and cup choices common to all drinks, owned by the manager;
    /// either may be absent.
    RecipeCustomization* sugarPreselection() const { return m_sugarPreselection.get(); }
    RecipeCustomization* cupPreselection() const { return m_cupPreselection.get(); }
    /// Replaces the choice; the previous object goes once the change is announced.
    void setSugarPreselection(std::unique_ptr<RecipeCustomization> preselection);
    void setCupPreselection(std::unique_ptr<RecipeCustomization> preselection);

    /// The working copy of the selected beverage's recipe that holds the
    /// customer's choices, or null.
    Recipe* selectionRecipe() const { return m_selectionRecipe.get(); }
    void setSelectionRecipe(std::unique_ptr<Recipe> recipe);

    /// A recipe to prepare `beverage` with: a copy of its recipe as stored, for
    /// the caller to own. Null when the beverage has no recipe or no
    /// configuration is loaded.
    std::unique_ptr<Recipe> createCustomRecipe(const Beverage* beverage) const;

signals:
    void selectedProductChanged(Product* product);
    void batchAvailabilityUpdateStarted();
    void batchAvailabilityUpdateFinished();
    void waitingForCupChanged();
    void unavailableProductSelected(const Product* product);
    /// A purchase ended, delivered or not.
    void vendFinished(bool delivered);
    void selectedQuantityChanged(int quantity);
    void currentStateChanged(State state);
    void sugarPreselectionChanged();
    void cupPreselectionChanged();

private:
    void runVendStep(int step);
    void onMachineTimeChanged();
    void onErogationFailed();
    void finishVend(bool delivered);

    QPointer<Product> m_selectedProduct;
    nonstd::optional<quint8> m_remoteSelection;
    QPointer<Product> m_dispensedProduct;
    int m_dispensedPrice = 0;
    int m_stepDelayMs = 0;
    bool m_onMachineClock = false;
    /// On the machine clock: the step that runs next and when it is due; -1 when none waits.
    int m_pendingStep = -1;
    QDateTime m_pendingStepDue;
    int m_selectedQuantity = 0;
    State m_currentState = Idle;
    std::unique_ptr<RecipeCustomization> m_sugarPreselection;
    std::unique_ptr<RecipeCustomization> m_cupPreselection;
    std::unique_ptr<Recipe> m_selectionRecipe;
};
