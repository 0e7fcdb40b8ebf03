#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "support/printers.h"

#include <gtest/gtest.h>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

// A table and columns whose names need quoting, holding values that would
// break a statement they were pasted into.
const QString kTable = QStringLiteral("Odd \"table\"");
const QString kId = QStringLiteral("id");
const QString kName = QStringLiteral("name");
const QString kLevel = QStringLiteral("level \"x\"");
const QString kInjection = QStringLiteral("x'; DROP TABLE \"Odd \"\"table\"\"\"; --");
const QStringList kNames { QStringLiteral("it's"), kInjection, QStringLiteral("?1 :name @x $y a ? b"),
    QStringLiteral("é\u00a0\u4e2d -- \"quoted\""), QString::fromUtf8("line\nbreak\0tail", 15),
    QString(QLatin1String("")) };
// What every update writes.
const QString kWritten = QStringLiteral("'); DELETE FROM \"Odd \"\"table\"\"\"; -- ?");

/// Conditions, their rule, and the ids of the rows they name (row n holds
/// kNames[n - 1] and level 10 n).
struct WhereCase
{
    const char* name;
    AbstractDatabase::Conditions conditions;
    AbstractDatabase::WhereRule rule;
    QList<int> expected;
};

const WhereCase kCases[] = {
    { "AllEqualQuote", { { kName, kNames[0] } }, AbstractDatabase::AllEqual, { 1 } },
    { "AllEqualInjection", { { kName, kInjection } }, AbstractDatabase::AllEqual, { 2 } },
    { "AllEqualPlaceholders", { { kName, kNames[2] } }, AbstractDatabase::AllEqual, { 3 } },
    { "AllEqualUnicode", { { kName, kNames[3] } }, AbstractDatabase::AllEqual, { 4 } },
    { "AllEqualNul", { { kName, kNames[4] } }, AbstractDatabase::AllEqual, { 5 } },
    { "AllEqualEmptyText", { { kName, kNames[5] } }, AbstractDatabase::AllEqual, { 6 } },
    { "AllEqualColumnsThatAgree", { { kName, kInjection }, { kLevel, 20 } }, AbstractDatabase::AllEqual,
        { 2 } },
    { "AllEqualColumnsThatDisagree", { { kName, kInjection }, { kLevel, 30 } }, AbstractDatabase::AllEqual,
        {} },
    { "AllEqualNoCondition", {}, AbstractDatabase::AllEqual, { 1, 2, 3, 4, 5, 6 } },
    { "AnyEqualOneColumn", { { kId, 1 }, { kId, 4 }, { kId, 99 } }, AbstractDatabase::AnyEqual, { 1, 4 } },
    { "AnyEqualAcrossColumns", { { kId, 5 }, { kName, kInjection } }, AbstractDatabase::AnyEqual, { 2, 5 } },
    { "AnyEqualNoCondition", {}, AbstractDatabase::AnyEqual, {} },
    { "NoneEqual", { { kName, kInjection }, { kId, 3 } }, AbstractDatabase::NoneEqual, { 1, 4, 5, 6 } },
    { "Greater", { { kLevel, 30 } }, AbstractDatabase::Greater, { 4, 5, 6 } },
    { "GreaterTwoColumns", { { kLevel, 10 }, { kId, 4 } }, AbstractDatabase::Greater, { 5, 6 } },
};

class SqlBuilders : public ::testing::TestWithParam<WhereCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_db = std::make_unique<AbstractDatabase>(m_dir.filePath(QStringLiteral("db.sqlite")));
        QSqlQuery create(m_db->database());
        ASSERT_TRUE(create.exec(
            QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, name TEXT, %2 INTEGER)")
                .arg(AbstractDatabase::quoteIdentifier(kTable), AbstractDatabase::quoteIdentifier(kLevel))));
        for (int id = 1; id <= kNames.size(); ++id) {
            VqSqlQuery insert(m_db->database(), __PRETTY_FUNCTION__);
            ASSERT_TRUE(AbstractDatabase::prepareINSERTQuery(
                insert, kTable, { { kId, id }, { kName, kNames[id - 1] }, { kLevel, id * 10 } }));
            ASSERT_TRUE(insert.exec());
        }
    }

    /// The ids, or the names in id order, of the rows that the conditions select.
    QStringList select(const AbstractDatabase::Conditions& conditions, AbstractDatabase::WhereRule rule,
        const QString& column = kId) const
    {
        VqSqlQuery query(m_db->database(), __PRETTY_FUNCTION__);
        QMap<int, QString> rows;
        if (!AbstractDatabase::prepareSELECTALLQuery(query, kTable, conditions, rule) || !query.exec())
            return { QStringLiteral("failed") };
        while (query.next())
            rows.insert(query.value(kId).toInt(), query.value(column).toString());
        return rows.values();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<AbstractDatabase> m_db;
};

} // namespace

TEST_P(SqlBuilders, SelectAndUpdateReachExactlyTheNamedRowsAndKeepEveryValueIntact)
{
    const WhereCase& c = GetParam();
    QStringList expectedIds;
    QStringList expectedNames;
    for (int id = 1; id <= kNames.size(); ++id) {
        if (c.expected.contains(id))
            expectedIds << QString::number(id);
        expectedNames << (c.expected.contains(id) ? kWritten : kNames[id - 1]);
    }
    EXPECT_EQ(select(c.conditions, c.rule), expectedIds);

    VqSqlQuery update(m_db->database(), __PRETTY_FUNCTION__);
    ASSERT_TRUE(
        AbstractDatabase::prepareUPDATEQuery(update, kTable, { { kName, kWritten } }, c.conditions, c.rule));
    ASSERT_TRUE(update.exec());
    EXPECT_EQ(select({}, AbstractDatabase::AllEqual, kName), expectedNames);
}

INSTANTIATE_TEST_SUITE_P(WhereRules, SqlBuilders, ::testing::ValuesIn(kCases),
    [](const auto& info) { return std::string(info.param.name); });
