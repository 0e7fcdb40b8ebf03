#include "bridge/localimagestore.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"
#include "support/accessors.h"
#include "support/images.h"
#include "support/machinetest.h"

#include <functional>
#include <new>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <unistd.h>

namespace {

using bridge::LocalImageStore;
using Owner = ConfigurationLoader::ImageOwner;

// A PNG whose header claims `size` with the pixel data of one pixel behind it.
QByteArray base64PngHeader(const QSize& size)
{
    QByteArray png = QByteArray::fromBase64(base64Image({ 1, 1 }, "PNG"));
    qToBigEndian(quint32(size.width()), png.data() + 16);
    qToBigEndian(quint32(size.height()), png.data() + 20);
    quint32 crc = 0xFFFFFFFFu; // over the IHDR chunk's type and data
    for (const char byte : png.mid(12, 17)) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    qToBigEndian(~crc, png.data() + 29);
    return png.toBase64();
}

// Every file and directory under `directory`.
QStringList entriesUnder(const QString& directory)
{
    QStringList entries;
    for (QDirIterator it(directory, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
             QDirIterator::Subdirectories);
         it.hasNext();)
        entries << it.next();
    return entries;
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
    const QStringList before = entriesUnder(LocalImageStore::MaestroFolder);
    for (const QString& name : { QString(), QString("."), QString(".."), QString("../escaped"),
             QString("a\\b"), QString::fromUtf8("logo\0x", 6), QString("tab\tname"), QString("del\x7f"),
             QString("nel\u0085") }) {
        gGuiEnv->guiCustomization()->setImage(name, pngImage);
        const QString path = LocalImageStore::ImageFolder + name + ".PNG";
        // what() ends at a NUL, as any C string does.
        EXPECT_EQ(exceptionText([&name] { LocalImageStore::instance().getGuiCustomizationImage(name); }),
            ("Could not open " + path).toStdString().c_str());
        EXPECT_EQ(entriesUnder(LocalImageStore::MaestroFolder), before) << qPrintable(name);
        gGuiEnv->guiCustomization()->setImage(name, QByteArray());
    }
    LocalImageStore::instance().clear();
    EXPECT_EQ(entriesUnder(LocalImageStore::MaestroFolder), before);

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

TEST_F(LocalImageStoreTest, ImagesBeyondTheLimitAreRefusedFromTheirHeader)
{
    const QString path = LocalImageStore::ImageFolder + "bomb.PNG";
    const auto mono
        = [](const QSize& size) { return base64Image(size, "PNG", Qt::darkCyan, QImage::Format_Mono); };
    for (const QByteArray& bomb : { base64PngHeader({ 12000, 12000 }), base64PngHeader({ 1, 8193 }),
             mono({ 8193, 1 }), mono({ 4097, 4096 }) }) {
        gGuiEnv->guiCustomization()->setImage("bomb", bomb);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(exceptionText([] { LocalImageStore::instance().getGuiCustomizationImage("bomb"); }),
            ("Could not save " + path).toStdString());
        EXPECT_LT(timer.elapsed(), 1000);
        EXPECT_FALSE(QFile::exists(path));
    }
    gGuiEnv->guiCustomization()->setImage("bomb", mono({ 8192, 2048 }));
    EXPECT_EQ(pngSize(LocalImageStore::instance().getGuiCustomizationImage("bomb")), QSize(8192, 2048));
}

// A directory of the tree as someone else may leave it in /tmp.
struct BrokenTree
{
    const char* name;
    QString directory;
    enum { Link, File, ReadOnly, Foreign } how;
    friend void PrintTo(const BrokenTree& tree, std::ostream* os) { *os << tree.name; }
};

class BrokenTrees : public LocalImageStoreTest, public ::testing::WithParamInterface<BrokenTree>
{
};

INSTANTIATE_TEST_SUITE_P(Directories, BrokenTrees,
    ::testing::Values(BrokenTree { "CategoryLinked", S::CategoryFolder, BrokenTree::Link },
        BrokenTree { "ImagesLinked", S::ImageFolder, BrokenTree::Link },
        BrokenTree { "CategoryIsAFile", S::CategoryFolder, BrokenTree::File },
        BrokenTree { "CategoryReadOnly", S::CategoryFolder, BrokenTree::ReadOnly },
        BrokenTree { "CategoryOfAnotherUser", S::CategoryFolder, BrokenTree::Foreign }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(BrokenTrees, NothingIsWrittenOrDeletedThroughTheBreakAndMemoryForgetsTheFile)
{
    const auto how = GetParam().how;
    const bool root = ::geteuid() == 0;
    if ((how == BrokenTree::ReadOnly && root) || (how == BrokenTree::Foreign && !root))
        GTEST_SKIP() << "permissions stop everyone but root, and only root can give a directory away";
    const ImageKind& category = kKinds[5];
    category.setData(pngImage);
    const QString first = category.get(LocalImageStore::instance());
    const QString dir = GetParam().directory.chopped(1), moved = dir + ".real",
                  target = tempPath("elsewhere");
    // The link's target holds a file where the store's file would be.
    const QString planted = target + first.mid(dir.size());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(planted).path()) && QFile(planted).open(QIODevice::WriteOnly));

    std::shared_ptr<void> mend(nullptr, [&](void*) {
        QFile::remove(dir); // a link or a file, never the directory
        QDir().rename(moved, dir);
        QFile::setPermissions(dir, QFile::permissions(S::ImageFolder));
        EXPECT_TRUE(how != BrokenTree::Foreign || ::chown(qPrintable(dir), ::getuid(), ::getgid()) == 0);
    });
    switch (how) {
    case BrokenTree::Link:
        ASSERT_TRUE(QDir().rename(dir, moved) && QFile::link(target, dir));
        break;
    case BrokenTree::File:
        ASSERT_TRUE(QDir().rename(dir, moved) && QFile(dir).open(QIODevice::WriteOnly));
        break;
    case BrokenTree::ReadOnly:
        ASSERT_TRUE(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
        break;
    case BrokenTree::Foreign:
        ASSERT_EQ(::chown(qPrintable(dir), 65534, 65534), 0);
    }

    LocalImageStore::instance().clear();
    EXPECT_EQ(logEntriesContaining("Unable to remove ").size(), 1);
    category.setData(jpegImage);
    const QString message
        = QString::fromStdString(exceptionText([&] { category.get(LocalImageStore::instance()); }));
    EXPECT_TRUE(message.startsWith("Could not open " + S::CategoryFolder + "7_")) << qPrintable(message);
    EXPECT_EQ(entriesUnder(target).filter(".PNG"), QStringList { planted });

    mend.reset();
    EXPECT_TRUE(QFile::remove(first)); // dropped by clear(), so it is ours to remove
    clearLog();
    const QString second = category.get(LocalImageStore::instance());
    EXPECT_EQ(pngSize(second), QSize(12, 9));
    EXPECT_EQ(entriesUnder(S::CategoryFolder), QStringList { second });
    LocalImageStore::instance().clear();
    EXPECT_EQ(logEntries().size(), 0);
}

} // namespace
