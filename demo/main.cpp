// Plays a scenario on the machine simulator, seen through the bridge: by
// default the sale of demo/scenarios/sale.json, compiled in; otherwise the
// scenario file given. Prints each step and what the interface layer saw.
// Exit status: 0 passed, 1 an expectation failed, 2 the file could not be
// read or is malformed.
#include "bridge/bridge.h"
#include "core/configuration/path.h"
#include "core/coreenvironment.h"
#include "core/coresimulator.h"
#include "core/gui/guimanager.h"
#include "core/log/logsink.h"
#include "demo/factorytable.h"
#include "demo/scenario/accessor.h"
#include "demo/scenario/scenarioplayer.h"
#include "demo/scenario/scenarioreader.h"
#include "lea/payment/productsprice.h"
#include "lea/products/canisters.h"
#include "lea/products/products.h"
#include "lea/products/recipes.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

enum ExitStatus { Passed = 0, Failed = 1, Unreadable = 2 };

// Slow enough to follow, fast enough for the test suite.
constexpr int kPaceMs = 20;

// The catalogue as the operator's screens show it, through the accessors.
void printCatalogue(QTextStream& out, bridge::Bridge& bridge)
{
    using scenario::createAccessor;
    const auto recipes = createAccessor<lea::products::Recipes>(bridge.productsFactory());
    const auto canisters = createAccessor<lea::products::Canisters>(bridge.productsFactory());
    const auto products = createAccessor<lea::products::Products>(bridge.productsFactory());
    const auto prices = createAccessor<lea::payment::ProductsPrice>(bridge.paymentFactory());
    for (const auto& level : canisters->levels())
        out << "Canister " << level.canister.value() << " holds " << level.currentLevel << " g\n";
    for (const auto& [id, recipe] : recipes->recipes()) {
        out << "Recipe " << id.value() << " \"" << recipe.name << "\", " << recipe.steps.size() << " steps\n";
        for (const lea::RecipeStepDbId stepId : recipe.steps) {
            const auto step = recipes->step(stepId);
            if (!step)
                continue;
            out << "  step " << stepId.value() << ": " << step->description << ", " << step->waterDose << ' '
                << step->waterDoseUnit << " water at speed " << step->waterSpeed << '\n';
            for (const lea::RecipeStepIngredientDbId ingredientId : step->ingredients) {
                if (const auto ingredient = recipes->ingredient(ingredientId))
                    out << "    " << ingredient->nameKey << ": " << ingredient->dose << " g from canister \""
                        << ingredient->canisterName << "\"\n";
            }
        }
    }
    out << "Menu\n";
    for (const auto& [id, product] : products->usedProducts()) {
        const auto price = prices->currentPrice(id);
        out << "  " << id.value() << " " << product.name << ": " << (price ? price->price : -1) << '\n';
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments.first().startsWith(QLatin1Char('-')))) {
        err << "usage: demo [scenario.json]\n";
        return Unreadable;
    }
    const bool defaultScenario = arguments.isEmpty();
    const auto read = scenario::ScenarioReader::readFile(
        defaultScenario ? QStringLiteral(":/scenarios/sale.json") : arguments.first());
    if (!read.scenario) {
        err << read.error.text() << '\n';
        return Unreadable;
    }

    QTemporaryDir dir;
    if (!dir.isValid()) {
        err << "no temporary directory for the machine's database\n";
        return Failed;
    }
    LogSink::instance().setEchoEnabled(false);
    CoreSimulator machine(dir.filePath(QStringLiteral("machine.sqlite")));
    machine.core().path()->setRoot(dir.filePath(QStringLiteral("root")));
    machine.guiManager().setAvailableLanguages({ QLocale::English, QLocale::German, QLocale::Italian });
    bridge::Bridge bridge;

    out << "Scenario \"" << read.scenario->name << "\" (" << read.scenario->fileName << ")\n"
        << read.scenario->description << "\n\n";

    scenario::ScenarioPlayer player(*read.scenario, machine, bridge);
    player.setPace(kPaceMs);
    QObject::connect(&player, &scenario::ScenarioPlayer::step, [&](int index, const QString& description) {
        out << "Step " << index + 1 << ": " << description << '\n';
        out.flush();
    });
    QObject::connect(&player, &scenario::ScenarioPlayer::note,
        [&](int, const QString& text) { out << "  -> " << text << '\n'; });
    QObject::connect(&player, &scenario::ScenarioPlayer::signalSeen,
        [&](int, const QString& line) { out << "  " << line << '\n'; });
    QObject::connect(&player, &scenario::ScenarioPlayer::stepFinished, [&](int, bool passed, const QString&) {
        if (passed)
            out << "  = " << player.status() << '\n';
        out.flush();
    });
    QObject::connect(&player, &scenario::ScenarioPlayer::finished, &app,
        [&](bool passed) { app.exit(passed ? Passed : Failed); });
    // The catalogue is in place once the player started; the first step waits for the event loop.
    player.start();
    if (player.isRunning()) {
        printCatalogue(out, bridge);
        out << '\n';
        out.flush();
    }
    const int status = player.isRunning() ? app.exec() : (player.failure().isEmpty() ? Passed : Failed);
    out << '\n';
    if (status == Passed) {
        out << "Scenario passed.\n";
    } else {
        out.flush();
        err << "Scenario failed: " << player.failure() << '\n';
    }
    if (defaultScenario && status == Passed) {
        out << '\n';
        printFactoryTable(out, bridge);
    }
    return status;
}
