#pragma once

#include "nonstd/optional.hpp"

#include <QList>
#include <QString>
#include <QStringList>

namespace scenario {

/// A scenario: a catalogue to set up, then a timeline of events, each with
/// the signals that must be seen before it counts as passed.
struct Scenario
{
    /// A canister that comes with the machine, filled to a level.
    struct CanisterSeed
    {
        QString name;
        /// The core's logical ingredient (`Canister::LogicalCanisterId`).
        int logicalId = 0;
        int grams = 0;
    };

    struct IngredientSeed
    {
        /// The core's logical ingredient the dose is taken from.
        int logicalId = 0;
        int dose = 0;
    };

    struct StepSeed
    {
        /// `lea::products::Recipes::StepType`.
        int type = 0;
        QString description;
        int waterDose = 0;
        int waterSpeed = 0;
        QList<IngredientSeed> ingredients;
    };

    struct CustomizationSeed
    {
        QString name;
        int stepCount = 0;
        int defaultIndex = 0;
    };

    struct RecipeSeed
    {
        QString name;
        bool hasCup = true;
        QList<StepSeed> steps;
        QList<CustomizationSeed> customizations;
    };

    /// A beverage offered for sale: the recipe it pours, its quick code and price.
    struct ProductSeed
    {
        QString name;
        QString recipe;
        int quickCode = 0;
        int price = 0;
    };

    /// What the operator sets up before the timeline runs.
    struct Catalogue
    {
        QList<CanisterSeed> canisters;
        QList<RecipeSeed> recipes;
        QList<ProductSeed> products;
        /// The category that shows the products; none when empty.
        QString category;
    };

    /// An interface signal that must be seen before a step counts as passed.
    struct Expectation
    {
        /// The recording name of the accessor ("States") and the signal's name.
        QString source;
        QString signal;
        /// The arguments as the recorder writes them; only matched when `matchArguments`.
        QStringList arguments;
        bool matchArguments = false;

        /// As the recorder writes a line: "States::erogationStarted" or "Payments::moneyEvent(CoinIn, 100)".
        QString text() const;
    };

    /// One thing that happens to the machine: a customer's action or a machine event.
    struct Step
    {
        enum Event {
            InsertCoin,
            SelectQuickCode,
            Customize,
            Buy,
            RaiseFailure,
            ClearFailure,
            OpenDoor,
            CloseDoor,
            SetTemperature,
            StartCleaning,
            FinishCleaning,
            Wait,
        };

        Event event = Wait;
        /// The line of the step in its file.
        int line = 0;
        /// What the step shows; the reader fills in one made from the event when the file has none.
        QString description;

        int coinValue = 0;
        int quickCode = 0;
        QString customization;
        int choice = 0;
        /// `lea::maintenance::FailureId`.
        int failure = 0;
        QString failureName;
        bool blocking = true;
        int boiler = 0;
        int temperature_dC = 0;
        int milliseconds = 0;

        QList<Expectation> expectations;
        /// Signals that must not be seen while the step runs.
        QList<Expectation> forbidden;
        /// What the states accessor must report (`lea::misc::States::State`) before the step passes.
        nonstd::optional<int> state;
        /// The credit the payments accessor must report before the step passes.
        nonstd::optional<int> credit;
    };

    QString name;
    QString description;
    /// The file it was read from, as its messages name it.
    QString fileName;
    Catalogue catalogue;
    QList<Step> timeline;
};

} // namespace scenario
