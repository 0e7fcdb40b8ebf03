#pragma once

#include "bridge/sharedsignal.h"
#include "core/database/abstractdatabase.h"
#include "lea/persistence/filedownloadslog.h"

#include <memory>
#include <QByteArray>
#include <QJsonValue>

class VqSqlQuery;

namespace bridge {
namespace persistence {

class PreparedInsert;

/// The file download log on the table "Connectivity_File_Download". Keeps
/// nothing in memory; every instance emits changed() after a write through
/// any of them.
class FileDownloadsLog : public lea::persistence::FileDownloadsLog
{
    Q_OBJECT

public:
    /// The file type as stored. 3 is an older code of type 0, read but never written.
    enum DbFileType : int32_t {
        DbFileType0 = 0,
        DbFileType1 = 1,
        DbFileType2 = 2,
        DbFileType3 = 3,
        DbFileType4 = 4,
        DbFileType5 = 5,
        DbFileType6 = 6,
        DbFileType7 = 7,
        DbFileType8 = 8,
        DbFileType9 = 9,
        DbFileType10 = 10,
    };

    /// The status as stored.
    enum DbStatus : int32_t {
        DbStatus0 = 0,
        DbStatus1 = 1,
        DbStatus2 = 2,
        DbStatus3 = 3,
    };

    explicit FileDownloadsLog(QObject* parent);
    ~FileDownloadsLog() override;

    lea::FileDownloadId create(const FileDownload& download) override;
    void save(lea::FileDownloadId id, const FileDownload& download) override;
    FileDownloadsMap getDownloadsNewerThan(QDateTime time) const override;
    FileDownloadsMap getNonFinishedDownloads() const override;
    FileDownloadsMap getAllDownloadsForTypeAndSource(FileType type, Source source) const override;

    /// The columns of a row; throws std::invalid_argument for an enumeration
    /// value without stored counterpart.
    static AbstractDatabase::Values updateMap(const FileDownload& download);
    static QJsonValue serializeChunkState(const ChunkState& state);
    static QByteArray serializeChunksStates(const std::vector<ChunkState>& states);
    /// Empty, with a log entry, when the bytes are no JSON.
    static std::vector<ChunkState> deserializeChunksStates(const QByteArray& bytes);
    /// The rows of an executed query; a row that cannot be read is logged and skipped.
    static FileDownloadsMap extractFromResult(VqSqlQuery& query);

    /// Relayed to changed() by every instance.
    static SharedSignal SharedChanged;

private:
    FileDownloadsMap select(const char* caller, const AbstractDatabase::Conditions& conditions,
        AbstractDatabase::WhereRule rule) const;

    std::unique_ptr<PreparedInsert> m_insert;
};

} // namespace persistence
} // namespace bridge
