#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logsink.h"
#include "support/printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QSqlQuery>
#include <QTemporaryDir>

using ::testing::ElementsAreArray;

namespace {

// A table whose name and columns need quoting, so that the builders' quoting
// is exercised as well as their binding.
const QString kTable = QStringLiteral("Odd \"table\"");
const QString kName = QStringLiteral("name");
const QString kLevel = QStringLiteral("level \"x\"");

class Database : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        LogSink::instance().setEchoEnabled(false);
        LogSink::instance().clear();
        m_db = std::make_unique<AbstractDatabase>(m_dir.filePath(QStringLiteral("db.sqlite")));
        QSqlQuery create(m_db->database());
        ASSERT_TRUE(create.exec(QStringLiteral("CREATE TABLE ") + AbstractDatabase::quoteIdentifier(kTable)
            + QStringLiteral(" (id INTEGER PRIMARY KEY, name TEXT, ")
            + AbstractDatabase::quoteIdentifier(kLevel) + QStringLiteral(" INTEGER)")));
        for (int i = 1; i <= 5; ++i)
            insert(i, QStringLiteral("row%1").arg(i), i * 10);
    }

    void insert(int id, const QVariant& name, int level)
    {
        VqSqlQuery query(m_db->database(), __PRETTY_FUNCTION__);
        ASSERT_TRUE(AbstractDatabase::prepareINSERTQuery(
            query, kTable, { { QStringLiteral("id"), id }, { kName, name }, { kLevel, level } }));
        ASSERT_TRUE(query.exec());
    }

    QList<int> select(const AbstractDatabase::Conditions& conditions, AbstractDatabase::WhereRule rule)
    {
        VqSqlQuery query(m_db->database(), __PRETTY_FUNCTION__);
        QList<int> ids;
        if (!AbstractDatabase::prepareSELECTALLQuery(query, kTable, conditions, rule) || !query.exec())
            return { -1 };
        while (query.next())
            ids << query.value(QStringLiteral("id")).toInt();
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    QVariant nameOf(int id)
    {
        VqSqlQuery query(m_db->database(), __PRETTY_FUNCTION__);
        if (!AbstractDatabase::prepareSELECTALLQuery(
                query, kTable, { { QStringLiteral("id"), id } }, AbstractDatabase::AllEqual)
            || !query.exec() || !query.next())
            return {};
        return query.value(kName);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<AbstractDatabase> m_db;
};

struct WhereCase
{
    const char* label;
    AbstractDatabase::Conditions conditions;
    AbstractDatabase::WhereRule rule;
    std::vector<int> expected;
};

class WhereRules : public Database, public ::testing::WithParamInterface<WhereCase>
{
};

const WhereCase kWhereCases[] = {
    { "all equal, one column", { { QStringLiteral("name"), QStringLiteral("row2") } },
        AbstractDatabase::AllEqual, { 2 } },
    { "all equal, two columns that agree",
        { { QStringLiteral("name"), QStringLiteral("row3") }, { QStringLiteral("level \"x\""), 30 } },
        AbstractDatabase::AllEqual, { 3 } },
    { "all equal, two columns that disagree",
        { { QStringLiteral("name"), QStringLiteral("row3") }, { QStringLiteral("level \"x\""), 40 } },
        AbstractDatabase::AllEqual, {} },
    { "all equal, no condition", {}, AbstractDatabase::AllEqual, { 1, 2, 3, 4, 5 } },
    { "any equal, values of one column",
        { { QStringLiteral("id"), 1 }, { QStringLiteral("id"), 4 }, { QStringLiteral("id"), 99 } },
        AbstractDatabase::AnyEqual, { 1, 4 } },
    { "any equal, across columns",
        { { QStringLiteral("id"), 5 }, { QStringLiteral("name"), QStringLiteral("row2") } },
        AbstractDatabase::AnyEqual, { 2, 5 } },
    { "any equal, empty list", {}, AbstractDatabase::AnyEqual, {} },
    { "none equal", { { QStringLiteral("id"), 2 }, { QStringLiteral("id"), 3 } }, AbstractDatabase::NoneEqual,
        { 1, 4, 5 } },
    { "greater", { { QStringLiteral("level \"x\""), 30 } }, AbstractDatabase::Greater, { 4, 5 } },
    { "greater, two columns", { { QStringLiteral("level \"x\""), 10 }, { QStringLiteral("id"), 3 } },
        AbstractDatabase::Greater, { 4, 5 } },
};

} // namespace

TEST_P(WhereRules, SelectExactlyTheNamedRows)
{
    EXPECT_THAT(select(GetParam().conditions, GetParam().rule), ElementsAreArray(GetParam().expected))
        << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(Database, WhereRules, ::testing::ValuesIn(kWhereCases));

class HostileValues : public Database, public ::testing::WithParamInterface<QString>
{
};

TEST_P(HostileValues, TravelUnchangedThroughEveryBuilder)
{
    const QString hostile = GetParam();
    insert(100, hostile, 1);
    EXPECT_EQ(nameOf(100).toString(), hostile);
    EXPECT_EQ(select({ { kName, hostile } }, AbstractDatabase::AllEqual), QList<int> { 100 });
    EXPECT_EQ(select({ { kName, hostile } }, AbstractDatabase::NoneEqual), (QList<int> { 1, 2, 3, 4, 5 }));

    VqSqlQuery update(m_db->database(), __PRETTY_FUNCTION__);
    ASSERT_TRUE(AbstractDatabase::prepareUPDATEQuery(update, kTable, { { kName, hostile + hostile } },
        { { QStringLiteral("id"), 2 } }, AbstractDatabase::AllEqual));
    ASSERT_TRUE(update.exec());
    EXPECT_EQ(nameOf(2).toString(), hostile + hostile);
    // Nothing else was touched and the table still holds all its rows.
    EXPECT_EQ(nameOf(3).toString(), QStringLiteral("row3"));
    EXPECT_EQ(select({}, AbstractDatabase::AllEqual), (QList<int> { 1, 2, 3, 4, 5, 100 }));
}

INSTANTIATE_TEST_SUITE_P(Database, HostileValues,
    ::testing::Values(QStringLiteral("it's"), QStringLiteral("x'; DROP TABLE \"Odd \"\"table\"\"\"; --"),
        QStringLiteral("-- comment"), QStringLiteral("\"quoted\""), QStringLiteral("a ? b"),
        QStringLiteral("?1 :name @x $y"), QStringLiteral("é\u00a0\u4e2d"), QString(QLatin1String("")),
        QString::fromUtf8("line\nbreak\0tail", 15)));

TEST_F(Database, UpdateFollowsItsWhereRule)
{
    VqSqlQuery update(m_db->database(), __PRETTY_FUNCTION__);
    ASSERT_TRUE(AbstractDatabase::prepareUPDATEQuery(update, kTable, { { kName, QStringLiteral("high") } },
        { { kLevel, 30 } }, AbstractDatabase::Greater));
    ASSERT_TRUE(update.exec());
    EXPECT_EQ(
        select({ { kName, QStringLiteral("high") } }, AbstractDatabase::AllEqual), (QList<int> { 4, 5 }));

    VqSqlQuery none(m_db->database(), __PRETTY_FUNCTION__);
    ASSERT_TRUE(AbstractDatabase::prepareUPDATEQuery(
        none, kTable, { { kName, QStringLiteral("gone") } }, {}, AbstractDatabase::AnyEqual));
    ASSERT_TRUE(none.exec());
    EXPECT_TRUE(select({ { kName, QStringLiteral("gone") } }, AbstractDatabase::AllEqual).isEmpty());
}

TEST_F(Database, UpdateWithoutValuesIsRefused)
{
    VqSqlQuery update(m_db->database(), __PRETTY_FUNCTION__);
    EXPECT_FALSE(AbstractDatabase::prepareUPDATEQuery(update, kTable, {}, {}, AbstractDatabase::AllEqual));
}

TEST_F(Database, FailedQueryIsLoggedWithItsCaller)
{
    VqSqlQuery duplicate(m_db->database(), "void Caller::save()");
    ASSERT_TRUE(AbstractDatabase::prepareINSERTQuery(duplicate, kTable, { { QStringLiteral("id"), 1 } }));
    EXPECT_FALSE(duplicate.exec());
    const QList<LogEntry> entries = LogSink::instance().entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Error);
    EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Database") });
    EXPECT_TRUE(entries[0].text.startsWith(QStringLiteral("void Caller::save() Query failed:")))
        << qPrintable(entries[0].text);
    EXPECT_EQ(nameOf(1).toString(), QStringLiteral("row1"));
}

TEST_F(Database, UnknownTableIsReportedNotExecuted)
{
    VqSqlQuery query(m_db->database(), __PRETTY_FUNCTION__);
    EXPECT_FALSE(AbstractDatabase::prepareSELECTALLQuery(
        query, QStringLiteral("Missing"), {}, AbstractDatabase::AllEqual));
    EXPECT_EQ(LogSink::instance().entries().size(), 1);
}
