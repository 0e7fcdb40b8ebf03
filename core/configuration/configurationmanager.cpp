#include "core/configuration/configurationmanager.h"

#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationtask.h"
#include "core/configuration/pathregistry.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "core/log/logformatter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

/// Whether the file at `path` is an SQLite database with tables that passes its own check.
bool isSoundDatabase(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    static int counter = 0;
    const QString name = QStringLiteral("factory-check-%1").arg(++counter);
    bool sound = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery check(db);
            sound = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
                && check.value(0).toString() == QLatin1String("ok");
            QSqlQuery tables(db);
            sound = sound && tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))
                && tables.next() && tables.value(0).toInt() > 0;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return sound;
}

} // namespace

ConfigurationManager::ConfigurationManager(QObject* parent)
    : QObject(parent)
{
}

ConfigurationManager::~ConfigurationManager() = default;

ConfigurationTask* ConfigurationManager::enqueueTask(std::function<void()> work)
{
    m_queue.push_back(std::unique_ptr<ConfigurationTask>(new ConfigurationTask(std::move(work))));
    return m_queue.back().get();
}

bool ConfigurationManager::runNextTask()
{
    if (m_queue.empty())
        return false;
    // Out of the queue first: the work may queue further tasks, or throw.
    const std::unique_ptr<ConfigurationTask> task = std::move(m_queue.front());
    m_queue.pop_front();
    task->run();
    return true;
}

void ConfigurationManager::runPendingTasks()
{
    while (runNextTask()) { }
}

void ConfigurationManager::cancelPendingTasks()
{
    // Cancel handlers may queue new tasks; those stay queued.
    std::deque<std::unique_ptr<ConfigurationTask>> canceled;
    canceled.swap(m_queue);
    for (const auto& task : canceled)
        task->cancel();
}

void ConfigurationManager::reloadPostEditor()
{
    if (gCoreEnv)
        gCoreEnv->loadConfiguration();
}

QString ConfigurationManager::configurationGroupPath() const
{
    const ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    return group ? group->database()->filePath() : QString();
}

bool ConfigurationManager::setConfigurationGroup(const QString& path)
{
    if (!gCoreEnv)
        return false;
    auto group = std::make_unique<ConfigurationGroup>(path);
    if (!group->database()->database().isOpen())
        return false;
    gCoreEnv->replaceConfigurationGroup(std::move(group));
    return true;
}

bool ConfigurationManager::setConfiguration(int id)
{
    if (!gCoreEnv || id != Configuration::GroupConfigurationId)
        return false;
    if (!gCoreEnv->configuration())
        gCoreEnv->loadConfiguration();
    return true;
}

bool ConfigurationManager::restoreConfigurationGroupFromFactory(const QString& path)
{
    const QFileInfo factory(path);
    const QString suffix = QStringLiteral(".factory");
    if (!gCoreEnv || !factory.fileName().endsWith(suffix) || !isSoundDatabase(path)) {
        LogFormatter(LogLevel::Error).log(Log::Database) << Q_FUNC_INFO << "Not a factory database:" << path;
        return false;
    }
    const QString target = QDir(gCoreEnv->pathRegistry()->configurationDatabaseDirectory())
                               .filePath(factory.fileName().chopped(suffix.size()));
    QFile source(path);
    QSaveFile copy(target);
    // The copy replaces the database only once it is whole.
    if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly)
        || copy.write(source.readAll()) != source.size() || !copy.commit()) {
        LogFormatter(LogLevel::Error).log(Log::Database)
            << Q_FUNC_INFO << "Cannot restore" << target << copy.errorString();
        return false;
    }
    const QString active = configurationGroupPath();
    if (!active.isEmpty() && QFileInfo(active) == QFileInfo(target))
        return setConfigurationGroup(active);
    return true;
}

bool ConfigurationManager::isConfigurationGroupImportable(const QString& path)
{
    if (QFileInfo(path).suffix() != QLatin1String("sqlite") || !isSoundDatabase(path)) {
        m_lastMessage = QStringLiteral("Not a configuration group: %1").arg(QFileInfo(path).fileName());
        return false;
    }
    return true;
}

bool ConfigurationManager::isGroupFileWithSameNamePresent(const QString& path) const
{
    return gCoreEnv
        && QFileInfo::exists(QDir(gCoreEnv->pathRegistry()->configurationDatabaseDirectory())
                                 .filePath(QFileInfo(path).fileName()));
}

bool ConfigurationManager::importConfigurationGroup(
    const QString& path, bool sameNamePresent, const QString& description)
{
    Q_UNUSED(description)
    if (!gCoreEnv || !isConfigurationGroupImportable(path)) {
        emit configurationGroupNotUpdated();
        return false;
    }
    const QString target = QDir(gCoreEnv->pathRegistry()->configurationDatabaseDirectory())
                               .filePath(QFileInfo(path).fileName());
    QFile source(path);
    QSaveFile copy(target);
    // The copy replaces a group of that name only once it is whole.
    if (QFileInfo(source) == QFileInfo(target) || (!sameNamePresent && QFileInfo::exists(target))
        || !source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly)
        || copy.write(source.readAll()) != source.size() || !copy.commit()) {
        m_lastMessage = QStringLiteral("Cannot import %1").arg(QFileInfo(path).fileName());
        LogFormatter(LogLevel::Error).log(Log::Database)
            << Q_FUNC_INFO << m_lastMessage << copy.errorString();
        emit configurationGroupNotUpdated();
        return false;
    }
    return setConfigurationGroup(target);
}
