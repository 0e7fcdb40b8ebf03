#include "bridge/localimagestore.h"

#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"
#include "core/log/assert.h"
#include "core/log/logformatter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <stdexcept>

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
        if (cached->checksum == checksum && QFileInfo::exists(cached->path))
            return cached->path;
        // An entry never outlives its file, so a failed write below leaves no
        // path behind that names nothing.
        QFile::remove(cached->path);
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
    const QImage image = QImage::fromData(QByteArray::fromBase64(base64));

    // Names come from configuration data and must not lead out of the directory.
    const bool plainName = !fileName.contains(QLatin1Char('/')) && !fileName.contains(QLatin1Char('\\'));
    // The tree lies in world-writable /tmp: whatever is at the path, a planted
    // link included, is replaced by a file of our own instead of being followed.
    QFile file(path);
    if (plainName)
        QFile::remove(path);
    if (!plainName || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw std::runtime_error(QStringLiteral("Could not open %1").arg(path).toStdString());
    if (image.isNull() || !image.save(&file, "PNG")) {
        file.remove();
        throw std::runtime_error(QStringLiteral("Could not save %1").arg(path).toStdString());
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
        if (!QDir().mkpath(path))
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
            if (!QFile::remove(data.path))
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
