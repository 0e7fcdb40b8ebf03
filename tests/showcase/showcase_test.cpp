#include "bridge/localimagestore.h"
#include "demo/scenario/scenarioplayer.h"
#include "demo/scenario/scenarioreader.h"
#include "demo/showcase/showcase.h"
#include "demo/showcase/showcasemachine.h"
#include "demo/showcase/windowgrab.h"
#include "support/printers.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QDir>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>
#include <QUrl>

namespace {

/// Every item under `item` (itself included) that `keep` accepts, in tree order.
void collect(QQuickItem* item, const std::function<bool(QQuickItem*)>& keep, QList<QQuickItem*>& found)
{
    if (keep(item))
        found << item;
    for (QQuickItem* child : item->childItems())
        collect(child, keep, found);
}

QList<QQuickItem*> itemsNamed(QQuickWindow& window, const QString& name)
{
    QList<QQuickItem*> found;
    collect(
        window.contentItem(), [&name](QQuickItem* item) { return item->objectName() == name; }, found);
    return found;
}

/// The showcase as a user sees it, drawn by the software scene graph without a display.
class ShowcaseTest : public ::testing::Test
{
protected:
    /// The machine the window shows: the showcase's own menu.
    virtual std::unique_ptr<showcase::ShowcaseMachine> makeMachine() const
    {
        return std::make_unique<showcase::ShowcaseMachine>(0);
    }

    void SetUp() override
    {
        // Chosen before the first window; later requests would only be refused with a warning.
        static const bool software = [] {
            QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
            return true;
        }();
        Q_UNUSED(software)
        QObject::connect(&engine, &QQmlEngine::warnings, [this](const QList<QQmlError>& errors) {
            for (const QQmlError& error : errors)
                warnings << error.toString();
        });
        machine = makeMachine();
        ASSERT_TRUE(machine && machine->isValid());
        ASSERT_TRUE(machine->load(engine));
        window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
        ASSERT_TRUE(window);
        ASSERT_TRUE(QTest::qWaitFor([this] { return machine->showcase().ready(); }, 5000));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    // A binding to a missing property or a failed image load shows as a warning.
    void TearDown() override
    {
        EXPECT_EQ(warnings, QStringList());
        // The scene graph frees the textures of destroyed images at its next
        // frame; destroyed with their window, they would wait for one forever.
        if (!window)
            return;
        qDeleteAll(itemsNamed(*window, QStringLiteral("tileImage")));
        QSignalSpy frame(window, &QQuickWindow::afterSynchronizing);
        window->update();
        frame.wait(1000);
    }

    /// Saves the window where CI keeps the test artefacts and says where.
    void keepScreenshot(const QImage& image) const
    {
        const QString directory = QStringLiteral(BRIDGE_BINARY_DIR "/artifacts");
        ASSERT_TRUE(QDir().mkpath(directory));
        const QString path = QDir(directory).filePath(QStringLiteral("showcase.png"));
        ASSERT_TRUE(image.save(path));
        QTextStream(stdout) << "screenshot: " << path << '\n';
    }

    // The engine goes before the machine whose objects it shows.
    std::unique_ptr<showcase::ShowcaseMachine> machine;
    QQmlApplicationEngine engine;
    QQuickWindow* window = nullptr;
    QStringList warnings;
};

/// Each tile of `window` shows, on `screen`, the image file that the bridge's
/// image store wrote for its product, and no two tiles the same.
void expectTilesShowTheirImages(QQuickWindow& window, int products, const QImage& screen)
{
    const QList<QQuickItem*> images = itemsNamed(window, QStringLiteral("tileImage"));
    ASSERT_EQ(images.size(), products);
    ASSERT_EQ(screen.size(), window.size());
    QSet<QRgb> colours;
    for (QQuickItem* image : images) {
        const int id = image->property("productId").toInt();
        const QUrl source = image->property("source").toUrl();
        ASSERT_TRUE(source.isLocalFile()) << id;
        // The file the bridge's image store wrote, not the one the menu was seeded from.
        EXPECT_TRUE(source.toLocalFile().startsWith(bridge::LocalImageStore::BeverageFolder))
            << qPrintable(source.toLocalFile());
        const QImage cached(source.toLocalFile());
        ASSERT_FALSE(cached.isNull()) << id;
        const QRgb expected = cached.pixel(cached.width() / 2, cached.height() / 2);
        colours << expected;

        ASSERT_GT(image->width(), 4);
        for (const QPointF& at : { QPointF(0.5, 0.5), QPointF(0.2, 0.25), QPointF(0.8, 0.75) }) {
            const QPoint pixel
                = image->mapToScene(QPointF(image->width() * at.x(), image->height() * at.y())).toPoint();
            ASSERT_TRUE(screen.rect().contains(pixel)) << id;
            EXPECT_EQ(QColor(screen.pixel(pixel)), QColor(expected)) << "product " << id;
        }
    }
    // Each drink has an image of its own: a tile showing another's would be seen.
    EXPECT_EQ(colours.size(), products);
}

TEST_F(ShowcaseTest, EveryTileShowsItsProductsCachedImage)
{
    ASSERT_EQ(machine->showcase().products().size(), 6);
    const QImage screen = showcase::grabWindow(*window);
    expectTilesShowTheirImages(*window, 6, screen);
    keepScreenshot(screen);
}

TEST_F(ShowcaseTest, ASaleShowsTheSelectionTheProgressAndTheTelemetry)
{
    showcase::Showcase& shop = machine->showcase();
    const QVariantMap drink = shop.products().value(1).toMap();
    ASSERT_TRUE(shop.select(drink.value("id").toInt()));
    EXPECT_EQ(shop.selectedProduct(), drink.value("id").toInt());
    const QList<QQuickItem*> selection = itemsNamed(*window, QStringLiteral("selectionText"));
    ASSERT_EQ(selection.size(), 1);
    EXPECT_EQ(selection[0]->property("text").toString(),
        drink.value("name").toString() + QStringLiteral(" – ") + drink.value("priceText").toString());

    machine->insertCoin(200);
    machine->insertCoin(100);
    EXPECT_EQ(shop.creditText(), "3.00");
    shop.buy();
    // The change is paid after the last step: on a loaded machine it may come a few events later.
    EXPECT_TRUE(QTest::qWaitFor(
        [&shop] {
            return shop.dispensingProgress() >= 1 && shop.dispensingText() == "Enjoy your drink"
                && shop.creditText() == "0.00";
        },
        5000));
    EXPECT_GE(shop.dispensingProgress(), 1);
    EXPECT_EQ(shop.dispensingText(), "Enjoy your drink");
    EXPECT_EQ(shop.creditText(), "0.00");

    machine->reportTelemetry(true);
    const std::pair<const char*, const char*> status[] = { { "amiCloStatus", "active" },
        { "televendStatus", "Connected, idle" }, { "newDigitalStatus", "Connected" } };
    for (const auto& [name, value] : status) {
        const QList<QQuickItem*> items = itemsNamed(*window, QString::fromLatin1(name));
        ASSERT_EQ(items.size(), 1) << name;
        EXPECT_EQ(items[0]->property("value").toString(), value) << name;
    }
    machine->reportTelemetry(false);
    EXPECT_EQ(itemsNamed(*window, "televendStatus").value(0)->property("value").toString(), "Connecting");
}

} // namespace

namespace {

// The sale scenario's catalogue and customer, played through the showcase.
class SaleScenarioTest : public ShowcaseTest
{
protected:
    std::unique_ptr<showcase::ShowcaseMachine> makeMachine() const override
    {
        const scenario::ScenarioReader::Result read = scenario::ScenarioReader::readFile(
            QStringLiteral(BRIDGE_SOURCE_DIR "/demo/scenarios/sale.json"));
        if (!read.scenario) {
            ADD_FAILURE() << qPrintable(read.error.text());
            return nullptr;
        }
        return std::make_unique<showcase::ShowcaseMachine>(*read.scenario, 0);
    }
};

TEST_F(SaleScenarioTest, ShowsTheScenariosMenuAndItsSale)
{
    scenario::ScenarioPlayer* player = machine->player();
    ASSERT_TRUE(player);
    QSignalSpy finished(player, &scenario::ScenarioPlayer::finished);
    EXPECT_TRUE(machine->showcase().products().isEmpty());
    ASSERT_TRUE(machine->start()) << qPrintable(player->failure());
    ASSERT_TRUE(finished.count() || finished.wait(10000));
    EXPECT_EQ(finished.at(0).at(0).toBool(), true) << qPrintable(player->failure());

    showcase::Showcase& shop = machine->showcase();
    ASSERT_EQ(shop.products().size(), 1);
    const QVariantMap cappuccino = shop.products().value(0).toMap();
    EXPECT_EQ(cappuccino.value("name").toString(), "Cappuccino");
    EXPECT_EQ(cappuccino.value("priceText").toString(), "1.50");
    EXPECT_EQ(shop.selectedProduct(), cappuccino.value("id").toInt());
    EXPECT_EQ(shop.dispensingText(), "Enjoy your drink");
    expectTilesShowTheirImages(*window, 1, showcase::grabWindow(*window));
}

} // namespace
