// The statement builders of AbstractDatabase with hostile table and column
// names and values. Input: a table name, a column name, a byte choosing the
// value's kind (text, blob, integer), the value, and a byte choosing how many
// rows (1 to 3) hold it.
//
// Values are compared as SQLite keeps them in a column without declared type:
// integers come back as 64-bit integers, blobs as bytes, texts as the same
// UTF-16 text, except for texts that bridge::utils::isStorableText() rejects,
// which SQLite alters on the way (they must still match themselves).

#include "bridge/utils.h"
#include "core/database/abstractdatabase.h"
#include "core/log/logsink.h"
#include "fuzzinput.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

const QString kSentinel = QStringLiteral("sentinel");
const QString kSentinelValue = QStringLiteral("still here");

AbstractDatabase* database = nullptr;

bool run(const QString& statement)
{
    QSqlQuery query(database->database());
    return query.exec(statement);
}

int rowCount(QSqlQuery& query)
{
    int rows = 0;
    while (query.next())
        ++rows;
    return rows;
}

bool sameValue(const QVariant& stored, const QVariant& value)
{
    switch (value.type()) {
    case QVariant::LongLong:
        return stored.type() == QVariant::LongLong && stored.toLongLong() == value.toLongLong();
    case QVariant::ByteArray:
        return stored.type() == QVariant::ByteArray && stored.toByteArray() == value.toByteArray();
    default:
        return stored.type() == QVariant::String
            && (!bridge::utils::isStorableText(value.toString()) || stored.toString() == value.toString());
    }
}

/// The rows of `table` that hold `value` in `column`, each checked to hold it unchanged.
int matchingRows(const QString& table, const QString& column, const QVariant& value)
{
    QSqlQuery select(database->database());
    FUZZ_CHECK(AbstractDatabase::prepareSELECTALLQuery(select, table, { { column, value } }));
    FUZZ_CHECK(select.exec());
    int rows = 0;
    while (select.next()) {
        FUZZ_CHECK(sameValue(select.value(0), value));
        ++rows;
    }
    return rows;
}

void checkSentinel()
{
    QSqlQuery select(database->database());
    FUZZ_CHECK(AbstractDatabase::prepareSELECTALLQuery(select, kSentinel));
    FUZZ_CHECK(select.exec());
    FUZZ_CHECK(select.next() && select.value(0).toString() == kSentinelValue && !select.next());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    new QCoreApplication(*argc, *argv);
    LogSink::instance().setEchoEnabled(false);
    static QTemporaryDir directory;
    FUZZ_CHECK(directory.isValid());
    database = new AbstractDatabase(directory.filePath(QStringLiteral("builders.sqlite")));
    FUZZ_CHECK(run(QStringLiteral("PRAGMA synchronous = OFF")));
    FUZZ_CHECK(run(QStringLiteral("CREATE TABLE sentinel (value)")));
    QSqlQuery insert(database->database());
    FUZZ_CHECK(AbstractDatabase::prepareINSERTQuery(
        insert, kSentinel, { { QStringLiteral("value"), kSentinelValue } }));
    FUZZ_CHECK(insert.exec());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    LogSink::instance().clear();
    FuzzInput input(data, size);
    const QString table = input.text();
    const QString column = input.text();
    QVariant value;
    switch (input.byte() % 3) {
    case 0:
        value = input.text();
        break;
    case 1:
        value = input.bytes(input.byte());
        break;
    default:
        value = input.integer<qlonglong>();
        break;
    }
    const int rows = 1 + input.byte() % 3;

    // A name SQLite refuses (reserved, taken, cut short by a NUL) is no case.
    if (!run(QStringLiteral("CREATE TABLE ") + AbstractDatabase::quoteIdentifier(table) + QStringLiteral(" (")
            + AbstractDatabase::quoteIdentifier(column) + QStringLiteral(")")))
        return 0;

    for (int i = 0; i < rows; ++i) {
        QSqlQuery insert(database->database());
        FUZZ_CHECK(AbstractDatabase::prepareINSERTQuery(insert, table, { { column, value } }));
        FUZZ_CHECK(insert.exec());
    }
    FUZZ_CHECK(matchingRows(table, column, value) == rows);

    QSqlQuery none(database->database());
    FUZZ_CHECK(AbstractDatabase::prepareSELECTALLQuery(
        none, table, { { column, value } }, AbstractDatabase::NoneEqual));
    FUZZ_CHECK(none.exec());
    FUZZ_CHECK(rowCount(none) == 0);

    QSqlQuery update(database->database());
    FUZZ_CHECK(AbstractDatabase::prepareUPDATEQuery(
        update, table, { { column, value } }, { { column, value } }, AbstractDatabase::AllEqual));
    FUZZ_CHECK(update.exec());
    FUZZ_CHECK(update.numRowsAffected() == rows);
    FUZZ_CHECK(matchingRows(table, column, value) == rows);

    QSqlQuery remove(database->database());
    FUZZ_CHECK(AbstractDatabase::prepareDELETEQuery(
        remove, table, { { column, value } }, AbstractDatabase::AllEqual));
    FUZZ_CHECK(remove.exec());
    FUZZ_CHECK(remove.numRowsAffected() == rows);
    QSqlQuery all(database->database());
    FUZZ_CHECK(AbstractDatabase::prepareSELECTALLQuery(all, table));
    FUZZ_CHECK(all.exec());
    FUZZ_CHECK(rowCount(all) == 0);

    checkSentinel();
    FUZZ_CHECK(run(QStringLiteral("DROP TABLE ") + AbstractDatabase::quoteIdentifier(table)));
    return 0;
}
