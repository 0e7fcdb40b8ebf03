#pragma once

#include "lea/ids.h"
#include "lea/persistence/filedownloadslog.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QFileInfo>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>
#include <set>
#include <vector>

namespace lea {
namespace persistence {

/// Accessor of the object download log: one entry per object, a set of files
/// and of other object downloads that a connectivity service fetches together.
class ObjectDownloadsLog : public QObject
{
    Q_OBJECT

public:
    /// Queued and InProgress are unfinished; Succeeded is the only success.
    enum Status : int32_t {
        Queued = 0,
        InProgress = 1,
        Succeeded = 2,
        Status3 = 3,
        Status4 = 4,
        Status5 = 5,
        Status6 = 6,
        Status7 = 7,
        Status8 = 8,
        Status9 = 9,
    };
    Q_ENUM(Status)

    /// The kind of an object, as the connectivity services number it.
    enum Type : int32_t {
        Type0 = 0,
        Type1 = 1,
        Type2 = 2,
        Type3 = 3,
        Type4 = 4,
        Type5 = 5,
    };
    Q_ENUM(Type)

    /// A file that an object is made of.
    struct ConstituentFile
    {
        QUrl url;
        QFileInfo destination;
        QString fileId;
        FileDownloadsLog::FileType fileType = FileDownloadsLog::FileType0;
        nonstd::optional<uint64_t> fileSize;
        QJsonObject data;
    };

    /// Another object download that this one is made of.
    struct ConstituentObject
    {
        uint32_t download = 0;
    };

    /// Everything an object is made of.
    struct Constituents
    {
        std::vector<ConstituentFile> files;
        std::vector<ConstituentObject> objects;
    };

    /// One object download with its constituents.
    struct ObjectDownload
    {
        Status status = Queued;
        FileDownloadsLog::Source source = FileDownloadsLog::Source0;
        QString objectUuid;
        Type type = Type0;
        QJsonObject data;
        Constituents constituents;
    };

    using IdsSet = std::set<lea::ObjectDownloadId>;
    using ObjectDownloadsMap = std::map<lea::ObjectDownloadId, ObjectDownload>;

    ~ObjectDownloadsLog() override = default;

    /// Overwrites the whole entry.
    virtual void save(lea::ObjectDownloadId id, const ObjectDownload& download) = 0;
    virtual lea::ObjectDownloadId create(const ObjectDownload& download) = 0;
    virtual ObjectDownloadsMap getNonFinishedDownloads() const = 0;
    virtual ObjectDownloadsMap getAllDownloadsForTypeAndSource(
        Type type, FileDownloadsLog::Source source) const = 0;
    virtual ObjectDownloadsMap getSuccessfulDownloadsForTypeAndStringIdAndSource(
        Type type, const QString& uuid, FileDownloadsLog::Source source) const = 0;
    virtual ObjectDownloadsMap getDownloadsByIds(const IdsSet& ids) const = 0;

signals:
    /// Any instance wrote an entry.
    void changed();

protected:
    explicit ObjectDownloadsLog(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace persistence
} // namespace lea
