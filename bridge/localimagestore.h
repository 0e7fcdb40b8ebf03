#pragma once

#include "nonstd/optional.hpp"

#include <functional>
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class Configuration;
class ConfigurationLoader;

namespace bridge {

/// The process-wide file cache that turns the core's base64 images into PNG
/// files for the user interface. Each image is written once under a fixed
/// tree, rewritten when its data change, and deleted when the configuration is
/// replaced or the store is destroyed. Main thread only.
class LocalImageStore : public QObject
{
    Q_OBJECT

public:
    /// Absolute directory paths, each ending with "/".
    static const QString MaestroFolder;
    static const QString ImageFolder;
    static const QString NutritionalFolder;
    static const QString CanisterProductFolder;
    static const QString BeverageFolder;
    static const QString CanisterFolder;
    static const QString CupTypeFolder;
    static const QString CategoryFolder;
    static const QString ProductFilterFolder;

    /// The largest image the store decodes: a few bytes of header can claim
    /// a size whose pixels cost seconds and hundreds of megabytes.
    static constexpr int MaxImageSide = 8192;
    static constexpr qint64 MaxImagePixels = 16 * 1024 * 1024;

    /// The kind of image; each kind has its own cache and directory.
    enum ImgEntity {
        NutritionalImages = 0,
        CanisterProductImages = 1,
        BeverageImages = 2,
        CanisterImages = 3,
        CupTypeImages = 4,
        CategoryImages = 5,
        GuiCustomizationImages = 6, ///< written directly into ImageFolder
        ProductFilterImages = 7,
    };

    /// One image within its kind: the image type or customization name, and
    /// the owning object's id.
    struct Key
    {
        nonstd::optional<QString> text;
        nonstd::optional<qint32> id;

        bool operator==(const Key& other) const { return text == other.text && id == other.id; }
    };

    /// The written file and the checksum of the data it was written from.
    struct CacheData
    {
        QString path;
        quint16 checksum = 0;
    };

    using CacheMap = QHash<Key, CacheData>;

    /// The cache of one kind of image and the directory its files go to.
    struct ImgEntityData
    {
        CacheMap cache;
        QString directory;
    };

    /// The single store. Each call first drops every file and cache entry when
    /// the core's configuration is no longer the one the images came from.
    static LocalImageStore& instance();
    ~LocalImageStore() override;

    /// Drops every file and cache entry when `configuration` is not the one the
    /// images came from, and remembers it. A destroyed configuration never
    /// matches, even when a new one reuses its address.
    void setConfiguration(const Configuration* configuration);

    // The image getters return the absolute path of the PNG file, or an empty
    // text when there is no image (or no configuration to take it from). A file
    // that cannot be written throws std::runtime_error.
    QString getNutritionalImage(const QString& type, int id) const;
    QString getCanisterProductImage(const QString& type, int id) const;
    QString getBeverageImage(const QString& type, int id) const;
    QString getCanisterImage(const QString& type, int id) const;
    QString getCupTypeImage(int id) const;
    QString getCategoryImage(int id) const;
    QString getGuiCustomizationImage(const QString& name);
    QString getProductFilterImage(int id);

    /// Deletes every file recorded in the caches and empties them. Files the
    /// store did not write are left alone, and so is a file whose directory
    /// is no longer the real one (logged as not removable).
    void clear();

    /// Writes `base64` as directoryAbsolutePath + fileName + ".PNG", replacing
    /// what is there, and returns that path. The directory must end with "/".
    /// Throws std::runtime_error "Could not open <path>" when the name is not a
    /// plain file name (empty, ".", "..", a separator or a control character)
    /// or the directory is not a real directory of this user, reached without
    /// links (from MaestroFolder down inside the tree), or the file cannot be
    /// created; "Could not save <path>" when the data are no image, the image
    /// is larger than MaxImageSide on a side or MaxImagePixels in all, or it
    /// cannot be written. A failure leaves no file behind.
    static QString saveImage(
        const QByteArray& base64, const QString& directoryAbsolutePath, const QString& fileName);

    /// "<id>_<yyyyMMddhhmmss>" with the current local time.
    static QString imageNameFromId(int id);
    /// "<type>_<id>_<yyyyMMddhhmmss>" with the current local time.
    static QString imageNameFromTypeId(const QString& type, int id);

private:
    using LoaderCall = QByteArray (*)(const ConfigurationLoader& loader, const Key& key);

    LocalImageStore();

    QString configurationImage(ImgEntity entity, const Key& key, LoaderCall load) const;
    static QString getImage(CacheMap& cache, const Key& key, const QString& directory,
        const std::function<const QByteArray(const Key&)>& loader);
    void createDirectories();

    QPointer<const Configuration> m_configuration;
    /// Whether m_configuration was set to a configuration (which may since have been destroyed).
    bool m_hasConfiguration = false;
    mutable QHash<ImgEntity, ImgEntityData> m_entities;
};

uint qHash(LocalImageStore::ImgEntity entity, uint seed = 0);
uint qHash(const LocalImageStore::Key& key, uint seed = 0);

} // namespace bridge
