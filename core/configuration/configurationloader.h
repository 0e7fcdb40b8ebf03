#pragma once

#include <QObject>
#include <QSqlDatabase>

class AbstractDatabase;

/// Reads and writes catalogue objects in the configuration group's database.
/// Accessors create one with a parent, bind it with setDatabase(), use it for
/// one group of calls and destroy it; a configuration also owns one.
class ConfigurationLoader : public QObject
{
    Q_OBJECT

public:
    explicit ConfigurationLoader(QObject* parent = nullptr);
    ~ConfigurationLoader() override;

    void setDatabase(AbstractDatabase* database);
    AbstractDatabase* database() const { return m_database; }

private:
    /// The bound connection, or an invalid one before setDatabase().
    QSqlDatabase connection() const;

    AbstractDatabase* m_database = nullptr;
};
