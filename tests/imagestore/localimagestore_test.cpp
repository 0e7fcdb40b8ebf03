#include "bridge/localimagestore.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"
#include "support/accessors.h"
#include "support/machinetest.h"

#include <functional>
#include <new>
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

namespace {

using bridge::LocalImageStore;
using Owner = ConfigurationLoader::ImageOwner;

QByteArray base64Image(const QSize& size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toBase64();
}

QSize pngSize(const QString& path)
{
    QImage image;
    return image.load(path, "PNG") ? image.size() : QSize();
}

// One getter of the store, its source and how it names files ("<stamp>" is the time of writing).
struct ImageKind
{
    const char* name;
    QString directory;
    QString fileName;
    nonstd::optional<Owner> owner; ///< none: a GUI customization image
    QString type;
    std::function<QString(LocalImageStore&)> get;
    friend void PrintTo(const ImageKind& kind, std::ostream* os) { *os << kind.name; }

    void setData(const QByteArray& base64) const
    {
        if (owner)
            ASSERT_TRUE(gCoreEnv->configuration()->loader()->saveImage(*owner, type, 7, base64));
        else
            gGuiEnv->guiCustomization()->setImage(type, base64);
    }
};

using S = LocalImageStore;
const ImageKind kKinds[] = {
    { "Nutritional", S::NutritionalFolder, "energy_7_<stamp>", Owner::Nutritional, "energy",
        [](S& s) { return s.getNutritionalImage("energy", 7); } },
    { "CanisterProduct", S::CanisterProductFolder, "powder_7_<stamp>", Owner::CanisterProduct, "powder",
        [](S& s) { return s.getCanisterProductImage("powder", 7); } },
    { "Beverage", S::BeverageFolder, "big_7_<stamp>", Owner::Beverage, "big",
        [](S& s) { return s.getBeverageImage("big", 7); } },
    { "Canister", S::CanisterFolder, "bean_7_<stamp>", Owner::Canister, "bean",
        [](S& s) { return s.getCanisterImage("bean", 7); } },
    { "CupType", S::CupTypeFolder, "7_<stamp>", Owner::CupType, {},
        [](S& s) { return s.getCupTypeImage(7); } },
    { "Category", S::CategoryFolder, "7_<stamp>", Owner::Category, {},
        [](S& s) { return s.getCategoryImage(7); } },
    { "GuiCustomization", S::ImageFolder, "footer_logo", nonstd::nullopt, "footer_logo",
        [](S& s) { return s.getGuiCustomizationImage("footer_logo"); } },
    { "ProductFilter", S::ProductFilterFolder, "7_<stamp>", Owner::ProductFilter, {},
        [](S& s) { return s.getProductFilterImage(7); } },
};

class LocalImageStoreTest : public MachineTest
{
protected:
    const QByteArray pngImage = base64Image({ 10, 6 }, "PNG");
    const QByteArray jpegImage = base64Image({ 12, 9 }, "JPEG");

    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
    }

    void TearDown() override
    {
        LocalImageStore::instance().clear();
        MachineTest::TearDown();
    }
};

class ImageKinds : public LocalImageStoreTest, public ::testing::WithParamInterface<ImageKind>
{
protected:
    QString get() { return GetParam().get(LocalImageStore::instance()); }

    // The files of this key in its directory, whatever their time stamps.
    QStringList filesOnDisk() const
    {
        QString glob = GetParam().fileName;
        glob.replace("<stamp>", "*");
        QStringList paths;
        for (const QString& name : QDir(GetParam().directory).entryList({ glob + ".PNG" }, QDir::Files))
            paths << GetParam().directory + name;
        return paths;
    }

    // The path is in the kind's directory, named as the kind names files,
    // with a time stamp taken between `before` and now.
    void expectNamed(const QString& path, const QDateTime& before) const
    {
        QString pattern = QRegularExpression::escape(GetParam().directory + GetParam().fileName + ".PNG");
        pattern.replace(QRegularExpression::escape("<stamp>"), "(\\d{14})");
        const QRegularExpressionMatch match = QRegularExpression("^" + pattern + "$").match(path);
        ASSERT_TRUE(match.hasMatch()) << qPrintable(path);
        if (match.lastCapturedIndex() == 1) {
            const QDateTime stamp = QDateTime::fromString(match.captured(1), "yyyyMMddhhmmss");
            EXPECT_GE(stamp, before.addMSecs(-before.time().msec()));
            EXPECT_LE(stamp, QDateTime::currentDateTime());
        }
    }
};

INSTANTIATE_TEST_SUITE_P(AllGetters, ImageKinds, ::testing::ValuesIn(kKinds),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ImageKinds, WritesOnceAndAgainOnlyWhenTheDataChangeAndUndecodableDataLeaveNoFile)
{
    GetParam().setData(pngImage);
    QDateTime before = QDateTime::currentDateTime();
    const QString first = get();
    expectNamed(first, before);
    EXPECT_EQ(pngSize(first), QSize(10, 6));
    // A rewrite would make a new file with the usual permissions.
    ASSERT_TRUE(QFile::setPermissions(first, QFile::ReadOwner));
    EXPECT_EQ(get(), first);
    EXPECT_FALSE(QFile::permissions(first) & QFile::WriteOwner);

    GetParam().setData(QByteArray());
    EXPECT_EQ(get(), QString());
    EXPECT_EQ(filesOnDisk(), QStringList { first });

    GetParam().setData(jpegImage);
    before = QDateTime::currentDateTime();
    const QString second = get();
    expectNamed(second, before);
    EXPECT_EQ(pngSize(second), QSize(12, 9));
    EXPECT_EQ(filesOnDisk(), QStringList { second });

    // A cached path whose file is gone is never handed out.
    ASSERT_TRUE(QFile::remove(second));
    EXPECT_EQ(pngSize(get()), QSize(12, 9));
    EXPECT_EQ(filesOnDisk().size(), 1);

    // Undecodable data leave no file.
    GetParam().setData(QByteArray("just some text").toBase64());
    before = QDateTime::currentDateTime();
    const QString message = QString::fromStdString(exceptionText([this] { get(); }));
    ASSERT_TRUE(message.startsWith("Could not save ")) << qPrintable(message);
    expectNamed(message.mid(15), before);
    EXPECT_EQ(filesOnDisk(), QStringList());
    GetParam().setData(pngImage);
    EXPECT_EQ(filesOnDisk(), QStringList { get() });
}

TEST_F(LocalImageStoreTest, ConfigurationChangeDeletesEveryFileAndWithoutOneOnlyGuiImagesAreWritten)
{
    for (const auto& change : std::vector<std::function<void()>> {
             [this] { loadConfiguration(); }, [this] { unloadConfiguration(); } }) {
        QStringList paths;
        for (const ImageKind& kind : kKinds) {
            kind.setData(pngImage);
            paths << kind.get(LocalImageStore::instance());
            ASSERT_TRUE(QFile::exists(paths.last()));
        }
        // Kinds with the same id or type name keep separate files.
        EXPECT_EQ(paths.removeDuplicates(), 0);
        change();
        LocalImageStore::instance();
        for (const QString& path : paths)
            EXPECT_FALSE(QFile::exists(path)) << qPrintable(path);
    }
    for (const ImageKind& kind : kKinds)
        EXPECT_EQ(kind.get(LocalImageStore::instance()).isEmpty(), bool(kind.owner)) << kind.name;
}

TEST_F(LocalImageStoreTest, ConfigurationAtAReusedAddressIsANewConfiguration)
{
    unloadConfiguration();
    LocalImageStore& store = LocalImageStore::instance();
    ConfigurationGroup& group = *machine().core().configurationGroup();
    alignas(Configuration) unsigned char storage[sizeof(Configuration)];

    auto* first = new (storage) Configuration(group);
    ASSERT_TRUE(first->loader()->saveImage(Owner::Category, {}, 5, pngImage));
    store.setConfiguration(first);
    const QString path = store.getCategoryImage(5);
    ASSERT_TRUE(QFile::exists(path));
    first->~Configuration();

    auto* second = new (storage) Configuration(group);
    store.setConfiguration(second);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(pngSize(store.getCategoryImage(5)), QSize(10, 6));
    second->~Configuration();
}

TEST_F(LocalImageStoreTest, LogoIsWrittenUnderItsNameReplacingAPlantedLink)
{
    const QString path = LocalImageStore::ImageFolder + "logo.PNG";
    const QString victim = tempPath("victim.txt");
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("untouched") == 9);
    file.close();
    QFile::remove(path);
    ASSERT_TRUE(QFile::link(victim, path));

    gGuiEnv->guiCustomization()->setImage("logo", jpegImage);
    EXPECT_EQ(LocalImageStore::instance().getGuiCustomizationImage("logo"), path);
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(pngSize(path), QSize(12, 9));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "untouched");
}

TEST_F(LocalImageStoreTest, PathsOutOfTheirDirectoryAreRefusedAndNothingIsWritten)
{
    gGuiEnv->guiCustomization()->setImage("../escaped", pngImage);
    const QString path = LocalImageStore::ImageFolder + "../escaped.PNG";
    EXPECT_EQ(exceptionText([] { LocalImageStore::instance().getGuiCustomizationImage("../escaped"); }),
        ("Could not open " + path).toStdString());
    EXPECT_FALSE(QFile::exists(path));

    const QString directory = LocalImageStore::CategoryFolder.chopped(1);
    EXPECT_EQ(LocalImageStore::saveImage(pngImage, directory, "slashless"), QString());

    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].kind, LogEntry::Kind::ReleaseAssertion);
    EXPECT_EQ(entries[0].items.mid(0, 2),
        QStringList({ "directoryAbsolutePath.endsWith(\"/\")",
            "LocalImageStore::saveImage accepts only directory path ending with “/”." }));
    EXPECT_FALSE(QFile::exists(directory + "slashless.PNG"));
    EXPECT_FALSE(QFile::exists(directory + "/slashless.PNG"));
}

TEST_F(LocalImageStoreTest, UnremovableFileIsLoggedAndForgotten)
{
    const ImageKind& category = kKinds[5];
    category.setData(pngImage);
    const QString path = category.get(LocalImageStore::instance());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    clearLog();

    LocalImageStore::instance().clear();
    const QList<LogEntry> entries = logEntries();
    ASSERT_TRUE(QDir().rmdir(path));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Error);
    EXPECT_EQ(entries[0].modules, QStringList { "Configuration" });
    EXPECT_EQ(entries[0].items,
        QStringList(
            { "bridge::LocalImageStore::clear()::<lambda(bridge::LocalImageStore::CacheMap&)>::<lambda("
              "const bridge::LocalImageStore::CacheData&)>",
                "Unable to remove ", '"' + path + '"' }));
    EXPECT_EQ(pngSize(category.get(LocalImageStore::instance())), QSize(10, 6));
}

} // namespace
