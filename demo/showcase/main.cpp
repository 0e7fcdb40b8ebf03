// The QML showcase: a small touch menu over the bridge on the machine
// simulator. With --play it sells a drink by itself; with --scenario FILE it
// plays a scenario's catalogue and customer instead; with --screenshot FILE
// it saves the window once the sale (or the scenario) is done and quits.
#include "demo/scenario/scenarioplayer.h"
#include "demo/scenario/scenarioreader.h"
#include "demo/showcase/showcase.h"
#include "demo/showcase/showcasemachine.h"
#include "demo/showcase/windowgrab.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTextStream>
#include <QTimer>
#include <QVariantMap>

namespace {

// A customer: chooses the second drink, pays with coins and buys it.
void playSale(showcase::ShowcaseMachine& machine, const std::function<void()>& done)
{
    showcase::Showcase& shop = machine.showcase();
    const QVariantList products = shop.products();
    if (products.isEmpty()) {
        done();
        return;
    }
    const QVariantMap drink = products.value(1, products.first()).toMap();
    QTimer::singleShot(400, &machine, [&machine, &shop, drink] {
        shop.select(drink.value(QStringLiteral("id")).toInt());
        machine.insertCoin(100);
    });
    QTimer::singleShot(900, &machine, [&machine] { machine.insertCoin(100); });
    QTimer::singleShot(1300, &machine, [&shop] { shop.buy(); });
    QObject::connect(&shop, &showcase::Showcase::dispensingChanged, &machine, [&shop, done] {
        if (shop.dispensingProgress() >= 1)
            QTimer::singleShot(600, done);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({ QStringLiteral("play"), QStringLiteral("Sell a drink by itself.") });
    options.addOption({ QStringLiteral("scenario"), QStringLiteral("Play the scenario in <file>."),
        QStringLiteral("file") });
    options.addOption({ QStringLiteral("screenshot"),
        QStringLiteral("After the sale, save the window to <file> and quit."), QStringLiteral("file") });
    options.process(app);
    // Without a display there is no OpenGL to draw with.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);

    const QString scenarioFile = options.value(QStringLiteral("scenario"));
    std::unique_ptr<showcase::ShowcaseMachine> machine;
    if (scenarioFile.isEmpty()) {
        machine = std::make_unique<showcase::ShowcaseMachine>();
    } else {
        const scenario::ScenarioReader::Result read = scenario::ScenarioReader::readFile(scenarioFile);
        if (!read.scenario) {
            QTextStream(stderr) << read.error.text() << '\n';
            return 2;
        }
        machine = std::make_unique<showcase::ShowcaseMachine>(*read.scenario, 900);
    }
    QQmlApplicationEngine engine;
    if (!machine->load(engine)) {
        QTextStream(stderr) << "showcase: the user interface did not load\n";
        return 1;
    }
    machine->reportTelemetry(true);

    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    const QString screenshot = options.value(QStringLiteral("screenshot"));
    const auto done = [window, screenshot](bool passed) {
        if (screenshot.isEmpty())
            return;
        const bool saved = window && showcase::grabWindow(*window).save(screenshot);
        QTextStream(saved ? stdout : stderr) << (saved ? "saved " : "could not save ") << screenshot << '\n';
        QCoreApplication::exit(saved && passed ? 0 : 1);
    };
    if (scenario::ScenarioPlayer* player = machine->player()) {
        QObject::connect(player, &scenario::ScenarioPlayer::finished, player, [player, done](bool passed) {
            QTextStream(passed ? stdout : stderr)
                << (passed ? QStringLiteral("Scenario passed") : player->failure()) << '\n';
            done(passed);
        });
        if (!machine->start()) {
            QTextStream(stderr) << "showcase: " << player->failure() << '\n';
            return 1;
        }
    } else if (options.isSet(QStringLiteral("play")) || !screenshot.isEmpty()) {
        playSale(*machine, [done] { done(true); });
    }
    return app.exec();
}
