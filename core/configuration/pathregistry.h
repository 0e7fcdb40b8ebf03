#pragma once

#include <QString>

/// Where the machine keeps its files: the directory of the configuration
/// databases ("<name>.sqlite") and that of their factory copies
/// ("<name>.sqlite.factory"). Both start as the directory of the first group's database.
class PathRegistry
{
public:
    explicit PathRegistry(const QString& configurationDirectory)
        : m_configurationDirectory(configurationDirectory)
        , m_factoryDirectory(configurationDirectory)
    {
    }

    QString configurationDatabaseDirectory() const { return m_configurationDirectory; }
    void setConfigurationDatabaseDirectory(const QString& directory) { m_configurationDirectory = directory; }
    QString factoryDatabaseDirectory() const { return m_factoryDirectory; }
    void setFactoryDatabaseDirectory(const QString& directory) { m_factoryDirectory = directory; }

private:
    QString m_configurationDirectory;
    QString m_factoryDirectory;
};
