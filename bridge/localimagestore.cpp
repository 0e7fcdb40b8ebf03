#include "bridge/localimagestore.h"

#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"
#include "core/log/assert.h"
#include "core/log/logformatter.h"

#include <cerrno>
#include <fcntl.h>
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace bridge {

const QString LocalImageStore::MaestroFolder = QStringLiteral("/tmp/maestro/");
const QString LocalImageStore::ImageFolder = MaestroFolder + QStringLiteral("images/");
const QString LocalImageStore::NutritionalFolder = ImageFolder + QStringLiteral("nutritional/");
const QString LocalImageStore::CanisterProductFolder = ImageFolder + QStringLiteral("canister_product/");
const QString LocalImageStore::BeverageFolder = ImageFolder + QStringLiteral("beverage/");
const QString LocalImageStore::CanisterFolder = ImageFolder + QStringLiteral("canister/");
const QString LocalImageStore::CupTypeFolder = ImageFolder + QStringLiteral("cup_type/");
const QString LocalImageStore::CategoryFolder = ImageFolder + QStringLiteral("category/");
const QString LocalImageStore::ProductFilterFolder = ImageFolder + QStringLiteral("product_filter/");

namespace {

// Closes its descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    Descriptor(Descriptor&& other) noexcept
        : m_fd(other.release())
    {
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }

    int get() const { return m_fd; }
    bool isValid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// The parent of an absolute directory path ending with "/", itself ending with "/".
QString parentOf(const QString& directory)
{
    return directory.left(directory.lastIndexOf(QLatin1Char('/'), -2) + 1);
}

// The components of `directory` (absolute, ending with "/") that must be real
// directories of this user, below `trusted`: inside the tree every one from
// MaestroFolder down, elsewhere the directory itself. /tmp lets anyone plant
// a link or a file where the tree should be.
QStringList componentsToCheck(const QString& directory, QString& trusted)
{
    trusted = directory.startsWith(LocalImageStore::MaestroFolder) ? parentOf(LocalImageStore::MaestroFolder)
                                                                   : parentOf(directory);
    return directory.mid(trusted.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

bool isOwnDirectory(const struct stat& status)
{
    return S_ISDIR(status.st_mode) && status.st_uid == ::getuid();
}

// Opens `directory` one component at a time, so that nothing swapped in
// between can redirect a later write. With `create`, missing components are made.
Descriptor openOwnDirectory(const QString& directory, bool create)
{
    QString trusted;
    const QStringList parts = componentsToCheck(directory, trusted);
    Descriptor fd(::open(QFile::encodeName(trusted).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (parts.isEmpty())
        fd.reset();
    for (const QString& part : parts) {
        if (!fd.isValid() || part == QLatin1String(".") || part == QLatin1String(".."))
            return Descriptor();
        const QByteArray name = QFile::encodeName(part);
        const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
        int next = ::openat(fd.get(), name.constData(), flags);
        if (next < 0 && errno == ENOENT && create
            && (::mkdirat(fd.get(), name.constData(), 0777) == 0 || errno == EEXIST))
            next = ::openat(fd.get(), name.constData(), flags);
        fd.reset(next);
        struct stat status;
        if (fd.isValid() && (::fstat(fd.get(), &status) != 0 || !isOwnDirectory(status)))
            fd.reset();
    }
    return fd;
}

// Removes a file the store wrote, but only through the real tree.
bool removeOwnFile(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const Descriptor directory = openOwnDirectory(path.left(slash + 1), false);
    return directory.isValid()
        && ::unlinkat(directory.get(), QFile::encodeName(path.mid(slash + 1)).constData(), 0) == 0;
}

// Whether the store's file is still there as a regular file in the real tree.
// Nothing is written on this path, so plain lstat calls do: they cost a hit
// less than opening every directory.
bool ownFileExists(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    QString current;
    const QStringList parts = componentsToCheck(path.left(slash + 1), current);
    struct stat status;
    for (const QString& part : parts) {
        current += part + QLatin1Char('/');
        if (::lstat(QFile::encodeName(current).constData(), &status) != 0 || !isOwnDirectory(status))
            return false;
    }
    return !parts.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0
        && S_ISREG(status.st_mode);
}

// A name that stays one file in its directory and names the file the kernel writes:
// a NUL would cut the name short, a control character garble logs and listings.
bool isPlainName(const QString& fileName)
{
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return false;
    for (const QChar c : fileName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F
            || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// Typed keys carry both parts, catalogue keys only the id, customizations only the name.
QString fileNameOf(const LocalImageStore::Key& key)
{
    if (!key.id)
        return key.text.value_or(QString());
    return key.text ? LocalImageStore::imageNameFromTypeId(*key.text, *key.id)
                    : LocalImageStore::imageNameFromId(*key.id);
}

} // namespace

uint qHash(LocalImageStore::ImgEntity entity, uint seed)
{
    return uint(entity) ^ seed;
}

uint qHash(const LocalImageStore::Key& key, uint seed)
{
    const uint id = key.id ? uint(*key.id) : 0xFFFFFFFFu;
    return ((id ^ seed) * 2u) ^ qHash(key.text.value_or(QString()), seed);
}

LocalImageStore::LocalImageStore()
{
    m_entities.insert(NutritionalImages, { {}, NutritionalFolder });
    m_entities.insert(CanisterProductImages, { {}, CanisterProductFolder });
    m_entities.insert(BeverageImages, { {}, BeverageFolder });
    m_entities.insert(CanisterImages, { {}, CanisterFolder });
    m_entities.insert(CupTypeImages, { {}, CupTypeFolder });
    m_entities.insert(CategoryImages, { {}, CategoryFolder });
    m_entities.insert(GuiCustomizationImages, { {}, ImageFolder });
    m_entities.insert(ProductFilterImages, { {}, ProductFilterFolder });
    createDirectories();
}

LocalImageStore::~LocalImageStore()
{
    clear();
}

LocalImageStore& LocalImageStore::instance()
{
    static LocalImageStore store;
    store.setConfiguration(gCoreEnv ? gCoreEnv->configuration() : nullptr);
    return store;
}

void LocalImageStore::setConfiguration(const Configuration* configuration)
{
    // A guarded pointer reads null once its configuration is gone, so a new
    // one at the same address still counts as a change.
    const bool destroyed = m_hasConfiguration && m_configuration.isNull();
    if (!destroyed && m_configuration.data() == configuration)
        return;
    clear();
    m_configuration = configuration;
    m_hasConfiguration = configuration != nullptr;
}

QString LocalImageStore::getNutritionalImage(const QString& type, int id) const
{
    return configurationImage(
        NutritionalImages, Key { type, id }, [](const ConfigurationLoader& loader, const Key& key) {
            return loader.loadNutritionalImage(*key.text, *key.id);
        });
}

QString LocalImageStore::getCanisterProductImage(const QString& type, int id) const
{
    return configurationImage(
        CanisterProductImages, Key { type, id }, [](const ConfigurationLoader& loader, const Key& key) {
            return loader.loadCanisterProductImage(*key.text, *key.id);
        });
}

QString LocalImageStore::getBeverageImage(const QString& type, int id) const
{
    return configurationImage(
        BeverageImages, Key { type, id }, [](const ConfigurationLoader& loader, const Key& key) {
            return loader.loadBeverageImage(*key.text, *key.id);
        });
}

QString LocalImageStore::getCanisterImage(const QString& type, int id) const
{
    return configurationImage(
        CanisterImages, Key { type, id }, [](const ConfigurationLoader& loader, const Key& key) {
            return loader.loadCanisterImage(*key.text, *key.id);
        });
}

QString LocalImageStore::getCupTypeImage(int id) const
{
    return configurationImage(CupTypeImages, Key { nonstd::nullopt, id },
        [](const ConfigurationLoader& loader, const Key& key) { return loader.loadCupTypeImage(*key.id); });
}

QString LocalImageStore::getCategoryImage(int id) const
{
    return configurationImage(CategoryImages, Key { nonstd::nullopt, id },
        [](const ConfigurationLoader& loader, const Key& key) { return loader.loadCategoryImage(*key.id); });
}

QString LocalImageStore::getGuiCustomizationImage(const QString& name)
{
    const ::GuiCustomization* customization = gGuiEnv ? gGuiEnv->guiCustomization() : nullptr;
    if (!customization)
        return QString();
    ImgEntityData& entity = m_entities[GuiCustomizationImages];
    return getImage(entity.cache, Key { name, nonstd::nullopt }, entity.directory,
        [customization](const Key& key) { return customization->getImage(*key.text); });
}

QString LocalImageStore::getProductFilterImage(int id)
{
    return configurationImage(ProductFilterImages, Key { nonstd::nullopt, id },
        [](const ConfigurationLoader& loader, const Key& key) {
            return loader.loadProductFilterImage(*key.id);
        });
}

QString LocalImageStore::configurationImage(ImgEntity entity, const Key& key, LoaderCall load) const
{
    // Without its configuration the store has no loader to ask.
    const ConfigurationLoader* loader = m_configuration ? m_configuration->loader() : nullptr;
    if (!loader)
        return QString();
    ImgEntityData& data = m_entities[entity];
    return getImage(
        data.cache, key, data.directory, [loader, load](const Key& k) { return load(*loader, k); });
}

QString LocalImageStore::getImage(CacheMap& cache, const Key& key, const QString& directory,
    const std::function<const QByteArray(const Key&)>& loader)
{
    const QByteArray data = loader(key);
    if (data.isEmpty())
        return QString();
    const quint16 checksum = qChecksum(data.constData(), uint(data.size()));

    const auto cached = cache.find(key);
    if (cached != cache.end()) {
        if (cached->checksum == checksum && ownFileExists(cached->path))
            return cached->path;
        // An entry never outlives its file, so a failed write below leaves no
        // path behind that names nothing.
        removeOwnFile(cached->path);
        cache.erase(cached);
    }
    const QString path = saveImage(data, directory, fileNameOf(key));
    cache.insert(key, CacheData { path, checksum });
    return path;
}

QString LocalImageStore::saveImage(
    const QByteArray& base64, const QString& directoryAbsolutePath, const QString& fileName)
{
    if (!directoryAbsolutePath.endsWith(QLatin1Char('/'))) {
        printReleaseAssertMsg("directoryAbsolutePath.endsWith(\"/\")",
            "LocalImageStore::saveImage accepts only directory path ending with “/”.", __FILE__, __LINE__);
        return QString();
    }
    const QString path = directoryAbsolutePath + fileName + QStringLiteral(".PNG");
    const auto fail = [&path](const char* what) {
        return std::runtime_error(QStringLiteral("%1 %2").arg(QLatin1String(what), path).toStdString());
    };
    // Names come from configuration data and must not lead out of the directory.
    const Descriptor directory
        = isPlainName(fileName) ? openOwnDirectory(directoryAbsolutePath, false) : Descriptor();
    if (!directory.isValid())
        throw fail("Could not open");

    // Whatever is at the path, a planted link included, goes, so that no
    // failure below leaves a file and a link is never followed.
    const QByteArray name = QFile::encodeName(fileName + QStringLiteral(".PNG"));
    ::unlinkat(directory.get(), name.constData(), 0);

    // The header tells the size before anything is allocated for the pixels.
    QByteArray bytes = QByteArray::fromBase64(base64);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isEmpty() || size.width() > MaxImageSide || size.height() > MaxImageSide
        || qint64(size.width()) * size.height() > MaxImagePixels)
        throw fail("Could not save");
    const QImage image = reader.read();
    if (image.isNull())
        throw fail("Could not save");

    Descriptor fd(::openat(
        directory.get(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    QFile file;
    if (!fd.isValid() || !file.open(fd.get(), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        throw fail("Could not open");
    fd.release();
    if (!image.save(&file, "PNG") || !file.flush()) {
        file.close();
        ::unlinkat(directory.get(), name.constData(), 0);
        throw fail("Could not save");
    }
    file.close();
    return path;
}

QString LocalImageStore::imageNameFromId(int id)
{
    return QStringLiteral("%1_%2").arg(
        QString::number(id), QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss")));
}

QString LocalImageStore::imageNameFromTypeId(const QString& type, int id)
{
    return QStringLiteral("%1_%2").arg(type, imageNameFromId(id));
}

void LocalImageStore::createDirectories()
{
    const auto create = [](const QString& path) {
        if (!openOwnDirectory(path, true).isValid())
            LogFormatter(LogLevel::Error).log(Log::Configuration)
                << __PRETTY_FUNCTION__ << "Unable to create path " << path;
    };
    for (const ImgEntityData& entity : qAsConst(m_entities))
        create(entity.directory);
}

void LocalImageStore::clear()
{
    const auto clearCache = [](CacheMap& cache) {
        const auto removeFile = [](const CacheData& data) {
            if (!removeOwnFile(data.path))
                LogFormatter(LogLevel::Error).log(Log::Configuration)
                    << __PRETTY_FUNCTION__ << "Unable to remove " << data.path;
        };
        for (const CacheData& data : qAsConst(cache))
            removeFile(data);
        cache.clear();
    };
    for (ImgEntityData& entity : m_entities)
        clearCache(entity.cache);
}

} // namespace bridge
