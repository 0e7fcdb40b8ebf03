#pragma once

#include "core/configuration/configurationgroupinformation.h"

#include <memory>
#include <QObject>
#include <QString>

class AbstractDatabase;
class SettingsStore;
class TranslationsManager;

/// The active set of configuration data: the machine's SQLite database with the
/// translations and the settings kept in it.
class ConfigurationGroup : public QObject
{
    Q_OBJECT

public:
    /// Opens the database at `databasePath`, creating the core tables it lacks.
    explicit ConfigurationGroup(const QString& databasePath, QObject* parent = nullptr);
    ~ConfigurationGroup() override;

    AbstractDatabase* database() const { return m_database.get(); }
    TranslationsManager* translationsManager() const { return m_translations.get(); }
    SettingsStore* settingsStore() const { return m_settings.get(); }
    /// The telemetry service's id of this group, as last stored.
    QString connectivityId() const { return m_connectivityId; }
    void setConnectivityId(const QString& id) { m_connectivityId = id; }
    const ConfigurationGroupInformation& information() const { return m_information; }
    void setInformation(const ConfigurationGroupInformation& information) { m_information = information; }

private:
    std::unique_ptr<AbstractDatabase> m_database;
    std::unique_ptr<TranslationsManager> m_translations;
    std::unique_ptr<SettingsStore> m_settings;
    QString m_connectivityId;
    ConfigurationGroupInformation m_information;
};
