#include "bridge/persistence/filedownloadslog.h"
#include "bridge/persistence/objectdownloadslog.h"
#include "bridge/persistence/remoterequests.h"
#include "core/configuration/configurationgroup.h"
#include "core/database/abstractdatabase.h"
#include "persistence/downloadstest.h"

#include <stdexcept>
#include <vector>

// An accessor keeps its insert prepared from one row to the next. Every row must
// still be stored exactly as a first row of a fresh accessor would be, and a
// refused row or a reopened connection must not spoil the rows that follow.

namespace {

using FileLea = lea::persistence::FileDownloadsLog;
using ObjectLea = lea::persistence::ObjectDownloadsLog;
using RequestLea = lea::persistence::RemoteRequests;

struct FileRows
{
    using Lea = FileLea;
    using Accessor = bridge::persistence::FileDownloadsLog;
    static QString table() { return QStringLiteral("Connectivity_File_Download"); }
    static unsigned int add(Accessor& log, const Lea::FileDownload& row) { return log.create(row).value(); }

    /// Rows that differ from the one before in every column, absent values
    /// included; the last is the first again.
    static std::vector<Lea::FileDownload> rows()
    {
        Lea::FileDownload full;
        full.uuid = QStringLiteral("u-1");
        full.fileUuid = QStringLiteral("f-1");
        full.fileUrl = QUrl(QStringLiteral("https://example.invalid/a"));
        full.fileSize = 77;
        full.fileType = Lea::FileType3;
        full.fileDestination = QFileInfo(QStringLiteral("/tmp/a"));
        full.status = Lea::Status(1);
        full.source = Lea::Source2;
        full.consumedCredits = 5;
        full.creditSize = 6;
        full.start = QDateTime::fromMSecsSinceEpoch(1780000000000, Qt::UTC);
        full.end = full.start->addSecs(1);
        full.chunkSize = 8;
        full.chunksStates = { { 2, true }, { 1, false } };
        return { full, Lea::FileDownload {}, full };
    }
};

struct ObjectRows
{
    using Lea = ObjectLea;
    using Accessor = bridge::persistence::ObjectDownloadsLog;
    static QString table() { return QStringLiteral("Connectivity_Object_Download"); }
    static unsigned int add(Accessor& log, const Lea::ObjectDownload& row) { return log.create(row).value(); }

    static std::vector<Lea::ObjectDownload> rows()
    {
        Lea::ObjectDownload full;
        full.status = Lea::InProgress;
        full.source = FileLea::Source1;
        full.objectUuid = QStringLiteral("o-1");
        full.type = Lea::Type3;
        full.data = QJsonObject { { "menu", 2 } };
        full.constituents.files.push_back({ QUrl(QStringLiteral("https://example.invalid/b")),
            QFileInfo(QStringLiteral("/tmp/b")), QStringLiteral("b"), FileLea::FileType5, 9, {} });
        full.constituents.objects.push_back({ 4 });
        return { full, Lea::ObjectDownload {}, full };
    }
};

struct RequestRows
{
    using Lea = RequestLea;
    using Accessor = bridge::persistence::RemoteRequests;
    static QString table() { return QStringLiteral("Connectivity_Requests"); }
    static unsigned int add(Accessor& requests, const Lea::RemoteRequest& row)
    {
        return requests.add(row).value();
    }

    static std::vector<Lea::RemoteRequest> rows()
    {
        const Lea::RemoteRequest full { QStringLiteral("d-1"), -1, QStringLiteral("reboot") };
        return { full, { QString(), 0, QString() }, full };
    }
};

template <class Rows> class ConsecutiveInsertsTest : public StoredRowsTest
{
protected:
    std::unique_ptr<typename Rows::Accessor> accessor()
    {
        return createAccessor<typename Rows::Lea, typename Rows::Accessor>();
    }

    void expectSameColumns(unsigned int expected, unsigned int actual) const
    {
        const QSqlRecord a = storedRow(Rows::table(), expected);
        const QSqlRecord b = storedRow(Rows::table(), actual);
        ASSERT_FALSE(a.isEmpty());
        ASSERT_EQ(a.count(), b.count());
        for (int c = 0; c < a.count(); ++c) {
            if (a.fieldName(c) == QLatin1String("id"))
                continue;
            EXPECT_EQ(a.value(c), b.value(c)) << a.fieldName(c).toStdString();
            EXPECT_EQ(a.value(c).isNull(), b.value(c).isNull()) << a.fieldName(c).toStdString();
        }
    }
};

using Accessors = ::testing::Types<FileRows, ObjectRows, RequestRows>;
TYPED_TEST_SUITE(ConsecutiveInsertsTest, Accessors);

TYPED_TEST(ConsecutiveInsertsTest, EachRowIsStoredAsAFirstRowWouldBe)
{
    const auto writer = this->accessor();
    for (const auto& row : TypeParam::rows()) {
        const unsigned int first = TypeParam::add(*this->accessor(), row);
        const unsigned int next = TypeParam::add(*writer, row);
        EXPECT_EQ(next, first + 1);
        this->expectSameColumns(first, next);
    }
}

TYPED_TEST(ConsecutiveInsertsTest, ARefusedRowOrAReopenedConnectionSpoilsNoLaterRow)
{
    const auto writer = this->accessor();
    const auto rows = TypeParam::rows();
    const unsigned int before = TypeParam::add(*writer, rows[0]);

    this->refuseWrites(QStringLiteral("BEFORE INSERT ON ") + TypeParam::table());
    EXPECT_THROW(TypeParam::add(*writer, rows[1]), std::runtime_error);
    this->acceptWrites();
    const unsigned int afterRefusal = TypeParam::add(*writer, rows[1]);

    QSqlDatabase database = gCoreEnv->configurationGroup()->database()->database();
    database.close();
    ASSERT_TRUE(database.open());
    const unsigned int afterReopening = TypeParam::add(*writer, rows[2]);

    EXPECT_EQ(this->storedRowCount(TypeParam::table()), 3);
    this->expectSameColumns(before, afterReopening);
    EXPECT_FALSE(this->storedRow(TypeParam::table(), afterRefusal).isEmpty());
}

} // namespace
