// The QML showcase: a small touch menu over the bridge on the machine
// simulator. With --play it sells a drink by itself; with --screenshot FILE it
// saves the window once the sale is done and quits.
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
    options.addOption({ QStringLiteral("screenshot"),
        QStringLiteral("After the sale, save the window to <file> and quit."), QStringLiteral("file") });
    options.process(app);
    // Without a display there is no OpenGL to draw with.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);

    showcase::ShowcaseMachine machine;
    QQmlApplicationEngine engine;
    if (!machine.load(engine)) {
        QTextStream(stderr) << "showcase: the user interface did not load\n";
        return 1;
    }
    machine.reportTelemetry(true);

    const QString screenshot = options.value(QStringLiteral("screenshot"));
    if (options.isSet(QStringLiteral("play")) || !screenshot.isEmpty()) {
        auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
        playSale(machine, [window, screenshot] {
            if (screenshot.isEmpty())
                return;
            const bool saved = window && showcase::grabWindow(*window).save(screenshot);
            QTextStream(saved ? stdout : stderr)
                << (saved ? "saved " : "could not save ") << screenshot << '\n';
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
