#pragma once

#include "bridge/sharedsignal.h"
#include "core/database/abstractdatabase.h"
#include "lea/persistence/objectdownloadslog.h"

#include <memory>
#include <QByteArray>
#include <QJsonObject>

class VqSqlQuery;

namespace bridge {
namespace persistence {

class PreparedInsert;

/// The object download log on the table "Connectivity_Object_Download", with
/// an object's constituents as a JSON array. Keeps nothing in memory; every
/// instance emits changed() after a write through any of them.
class ObjectDownloadsLog : public lea::persistence::ObjectDownloadsLog
{
    Q_OBJECT

public:
    /// The status as stored; 2 is the only success.
    enum DbStatus : int32_t {
        DbStatus0 = 0,
        DbStatus1 = 1,
        DbStatus2 = 2,
        DbStatus3 = 3,
        DbStatus4 = 4,
        DbStatus5 = 5,
        DbStatus6 = 6,
        DbStatus7 = 7,
        DbStatus8 = 8,
        DbStatus9 = 9,
    };

    /// The object type as stored. 1, 2, 4 and 7 are older codes of type 1, read but never written.
    enum DbType : int32_t {
        DbType1 = 1,
        DbType2 = 2,
        DbType3 = 3,
        DbType4 = 4,
        DbType5 = 5,
        DbType6 = 6,
        DbType7 = 7,
        DbType8 = 8,
        DbType9 = 9,
        DbType10 = 10,
    };

    explicit ObjectDownloadsLog(QObject* parent);
    ~ObjectDownloadsLog() override;

    void save(lea::ObjectDownloadId id, const ObjectDownload& download) override;
    lea::ObjectDownloadId create(const ObjectDownload& download) override;
    ObjectDownloadsMap getNonFinishedDownloads() const override;
    ObjectDownloadsMap getAllDownloadsForTypeAndSource(
        Type type, lea::persistence::FileDownloadsLog::Source source) const override;
    ObjectDownloadsMap getSuccessfulDownloadsForTypeAndStringIdAndSource(
        Type type, const QString& uuid, lea::persistence::FileDownloadsLog::Source source) const override;
    /// No rows for no ids.
    ObjectDownloadsMap getDownloadsByIds(const IdsSet& ids) const override;

    /// The columns of a row; throws std::invalid_argument for an enumeration
    /// value without stored counterpart.
    static AbstractDatabase::Values updateMap(const ObjectDownload& download);
    static QJsonObject serializeConstituentFile(const ConstituentFile& file);
    static QJsonObject serializeConstituentObject(const ConstituentObject& object);
    /// The files first, then the objects.
    static QByteArray serializeConstituents(const Constituents& constituents);
    static ConstituentFile deserializeConstituentFile(const QJsonObject& json);
    static ConstituentObject deserializeConstituentObject(const QJsonObject& json);
    /// Empty, with a log entry, when the bytes are no JSON.
    static Constituents deserializeConstituents(const QByteArray& bytes);
    /// The rows of an executed query; a row that cannot be read is logged and skipped.
    static ObjectDownloadsMap extractFromResult(VqSqlQuery& query);
    /// The current row; throws std::invalid_argument for a stored code without counterpart.
    static std::pair<lea::ObjectDownloadId, ObjectDownload> extractRow(VqSqlQuery& query);

    /// Relayed to changed() by every instance.
    static SharedSignal SharedChanged;

private:
    /// Rows of every stored code of `type` that meet all the conditions.
    ObjectDownloadsMap selectOfType(
        const char* caller, Type type, const AbstractDatabase::Conditions& conditions) const;
    ObjectDownloadsMap select(const char* caller, const AbstractDatabase::Conditions& conditions,
        AbstractDatabase::WhereRule rule) const;

    std::unique_ptr<PreparedInsert> m_insert;
};

} // namespace persistence
} // namespace bridge
