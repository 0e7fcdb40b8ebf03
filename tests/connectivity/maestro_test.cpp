#include "bridge/connectivity/maestro.h"
#include "bridge/connectivity/maestroimagehandler.h"
#include "bridge/localimagestore.h"
#include "core/catalogue/product.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "support/catalogue.h"
#include "support/guardtest.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

namespace {

using LeaMaestro = lea::connectivity::Maestro;
using Maestro = bridge::connectivity::Maestro;
using bridge::LocalImageStore;

QByteArray base64Png()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toBase64();
}

class MaestroTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        seedTestCatalogue(machine().core());
        loadConfiguration();
        used = gCoreEnv->configuration()->usedProducts();
        ASSERT_GE(used.size(), 2);
    }
    void TearDown() override
    {
        LocalImageStore::instance().clear();
        MachineTest::TearDown();
    }
    static void setImage(const Product& product, const QByteArray& base64)
    {
        ASSERT_TRUE(gCoreEnv->configuration()->loader()->saveImage(
            ConfigurationLoader::ImageOwner::Beverage, "source", product.id(), base64));
    }
    static QStringList storedFiles(const Product& product)
    {
        return QDir(LocalImageStore::BeverageFolder)
            .entryList({ QStringLiteral("source_%1_*.PNG").arg(product.id()) }, QDir::Files);
    }
    static int imageFailures() { return logEntriesContaining("Could not store the image of product").size(); }

    QList<Product*> used;
};

TEST_F(MaestroTest, VersionsAreRecordedInTheCore)
{
    const std::unique_ptr<Maestro> maestro = createAccessor<LeaMaestro, Maestro>();
    maestro->versionsChanged({ "2.4.1", "1.9" });
    EXPECT_EQ(gCoreEnv->maestroSdkVersion(), "2.4.1");
    EXPECT_EQ(gCoreEnv->maestroUiVersion(), "1.9");
}

TEST_F(MaestroTest, OneBadImageIsLoggedAndTheOthersAreStillStored)
{
    setImage(*used[0], "not an image");
    setImage(*used[1], base64Png());
    const std::unique_ptr<Maestro> maestro = createAccessor<LeaMaestro, Maestro>();
    ASSERT_EQ(imageFailures(), 1);
    const LogEntry failure = logEntriesContaining("Could not store the image of product").first();
    EXPECT_EQ(failure.level, LogLevel::Error);
    EXPECT_EQ(failure.items.value(2), QString::number(used[0]->id()));
    EXPECT_TRUE(storedFiles(*used[0]).isEmpty());
    EXPECT_EQ(storedFiles(*used[1]).size(), 1);
}

TEST_F(MaestroTest, AccessorsShareOneHandlerThatRunsOncePerChangeOfTheUsedProducts)
{
    setImage(*used[0], "not an image");
    const std::unique_ptr<Maestro> first = createAccessor<LeaMaestro, Maestro>();
    const std::unique_ptr<Maestro> second = createAccessor<LeaMaestro, Maestro>();
    EXPECT_EQ(first->imageHandler(), second->imageHandler());
    EXPECT_EQ(imageFailures(), 1);

    gCoreEnv->configuration()->appendLoadedProduct(std::make_unique<Product>(900, Product::Snack));
    EXPECT_EQ(imageFailures(), 2);

    // Another configuration: the handler follows it.
    loadConfiguration();
    gCoreEnv->configuration()->appendLoadedProduct(std::make_unique<Product>(901, Product::Snack));
    EXPECT_EQ(imageFailures(), 3);
}

} // namespace
