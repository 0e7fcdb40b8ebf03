#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QDateTime>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QUrl>
#include <vector>

namespace lea {
namespace persistence {

/// Accessor of the file download log: one entry per file that a connectivity
/// service downloads, kept so that an interrupted download can be resumed.
class FileDownloadsLog : public QObject
{
    Q_OBJECT

public:
    /// The kind of a downloaded file, as the connectivity services number it.
    enum FileType : int32_t {
        FileType0 = 0,
        FileType1 = 1,
        FileType2 = 2,
        FileType3 = 3,
        FileType4 = 4,
        FileType5 = 5,
        FileType6 = 6,
        FileType7 = 7,
        FileType8 = 8,
        FileType9 = 9,
    };
    Q_ENUM(FileType)

    /// Completed and Failed are final.
    enum Status : int32_t {
        Queued = 0,
        Downloading = 1,
        Completed = 2,
        Failed = 3,
    };
    Q_ENUM(Status)

    /// The connectivity service that asked for the download.
    enum Source : int32_t {
        Source0 = 0,
        Source1 = 1,
        Source2 = 2,
    };
    Q_ENUM(Source)

    /// The state of one chunk of a file.
    struct ChunkState
    {
        uint8_t count = 0;
        bool set = false;
    };

    /// One file download: where from and to, its progress per chunk and its credits.
    struct FileDownload
    {
        /// Absent when empty.
        nonstd::optional<QString> uuid;
        QString fileUuid;
        QUrl fileUrl;
        nonstd::optional<uint64_t> fileSize;
        FileType fileType = FileType0;
        QFileInfo fileDestination;
        Status status = Queued;
        Source source = Source0;
        uint64_t consumedCredits = 0;
        uint64_t creditSize = 0;
        /// Absent at the epoch itself.
        nonstd::optional<QDateTime> start;
        nonstd::optional<QDateTime> end;
        uint64_t chunkSize = 0;
        std::vector<ChunkState> chunksStates;
    };

    using FileDownloadsMap = std::map<lea::FileDownloadId, FileDownload>;

    ~FileDownloadsLog() override = default;

    virtual lea::FileDownloadId create(const FileDownload& download) = 0;
    /// Overwrites the whole entry.
    virtual void save(lea::FileDownloadId id, const FileDownload& download) = 0;
    /// Entries that ended after `time`.
    virtual FileDownloadsMap getDownloadsNewerThan(QDateTime time) const = 0;
    /// Entries whose status is not final.
    virtual FileDownloadsMap getNonFinishedDownloads() const = 0;
    virtual FileDownloadsMap getAllDownloadsForTypeAndSource(FileType type, Source source) const = 0;

signals:
    /// Any instance wrote an entry.
    void changed();

protected:
    explicit FileDownloadsLog(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace persistence
} // namespace lea
