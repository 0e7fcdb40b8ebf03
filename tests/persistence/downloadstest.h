#pragma once

#include "support/guardtest.h"
#include "support/machinetest.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

/// Texts that must be stored and read back exactly as they are.
inline QStringList hostileTexts()
{
    return { QStringLiteral("it's \"quoted\""), QStringLiteral("a; b; --"),
        QStringLiteral("'); DROP TABLE Connectivity_Requests; --"), QStringLiteral("SELECT * FROM Settings"),
        QString::fromUtf8("nul\0inside", 11), QString(4096, QLatin1Char('x')),
        QString::fromUtf8("Heiße Schokolade ☕") };
}

/// A machine whose database the test also reads through a connection of its
/// own, to see the rows as they are stored.
class StoredRowsTest : public MachineTest
{
protected:
    void TearDown() override
    {
        {
            QSqlDatabase::database(kConnection, false).close();
        }
        QSqlDatabase::removeDatabase(kConnection);
        MachineTest::TearDown();
    }

    /// The stored row of `table` with that id; empty when there is none.
    QSqlRecord storedRow(const QString& table, unsigned int id) const
    {
        QSqlQuery query(connection());
        query.prepare(QStringLiteral("SELECT * FROM \"%1\" WHERE id = ?").arg(table));
        query.addBindValue(id);
        if (!query.exec() || !query.next())
            return {};
        return query.record();
    }

    int storedRowCount(const QString& table) const
    {
        QSqlQuery query(connection());
        if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)) || !query.next())
            return -1;
        return query.value(0).toInt();
    }

    /// Sets one column of a stored row, as a damaged or foreign writer would.
    void storeValue(const QString& table, unsigned int id, const QString& column, const QVariant& value) const
    {
        QSqlQuery query(connection());
        query.prepare(QStringLiteral("UPDATE \"%1\" SET \"%2\" = ? WHERE id = ?").arg(table, column));
        query.addBindValue(value);
        query.addBindValue(id);
        ASSERT_TRUE(query.exec());
        ASSERT_EQ(query.numRowsAffected(), 1);
    }

private:
    QSqlDatabase connection() const
    {
        QSqlDatabase db = QSqlDatabase::database(kConnection, false);
        if (!db.isValid()) {
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
            db.setDatabaseName(databasePath());
        }
        if (!db.isOpen())
            db.open();
        return db;
    }

    inline static const QString kConnection = QStringLiteral("stored-rows-check");
};
