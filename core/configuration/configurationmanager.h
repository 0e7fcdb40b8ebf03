#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <QObject>
#include <QString>

class ConfigurationTask;

/// Serialises long configuration work: tasks run one after the other, in the
/// order they were queued, unless they are canceled first.
class ConfigurationManager : public QObject
{
    Q_OBJECT

public:
    explicit ConfigurationManager(QObject* parent = nullptr);
    /// Queued tasks are dropped without being run or canceled.
    ~ConfigurationManager() override;

    /// Queues `work`; the returned task lives until it ran or was canceled.
    ConfigurationTask* enqueueTask(std::function<void()> work);
    int pendingTaskCount() const { return int(m_queue.size()); }

    /// Runs the oldest queued task; false when none was queued.
    bool runNextTask();
    /// Runs tasks until the queue is empty, including tasks queued meanwhile.
    void runPendingTasks();
    /// Cancels the tasks queued now, oldest first.
    void cancelPendingTasks();

    /// After the catalogue was edited: builds a fresh configuration from the
    /// database and makes it replace the loaded one.
    void reloadPostEditor();

    // --- Configuration groups ----------------------------------------------------
    // A group is one database file; the machine runs on one group at a time.

    /// The database path of the active group.
    QString configurationGroupPath() const;
    /// Makes the existing database at `path` the active group and loads its
    /// configuration; false, with the active group kept, when it cannot be opened.
    bool setConfigurationGroup(const QString& path);
    /// Loads the configuration `id` of the active group; false when the group has none such.
    bool setConfiguration(int id);
    /// Replaces the group database named like the factory file at `path`
    /// ("<name>.sqlite.factory" restores "<name>.sqlite" of the configuration
    /// directory) by a copy of it, at once or not at all; the active group is
    /// reopened when it is the one restored. False, with the database as it
    /// was, when the factory file is no sound database or the copy fails.
    bool restoreConfigurationGroupFromFactory(const QString& path);

    /// Whether `path` is a group database ("<name>.sqlite") that can be
    /// imported; lastMessage() says why not.
    bool isConfigurationGroupImportable(const QString& path);
    QString lastMessage() const { return m_lastMessage; }
    /// A group of the same file name is in the configuration directory.
    bool isGroupFileWithSameNamePresent(const QString& path) const;
    /// Copies the group at `path` into the configuration directory, replacing
    /// `sameNamePresent` one of that name, at once or not at all, and makes
    /// it the active group. False, after configurationGroupNotUpdated(),
    /// with the active group kept, when it cannot.
    bool importConfigurationGroup(const QString& path, bool sameNamePresent, const QString& description);

signals:
    void configurationGroupNotUpdated();
    /// The news band or the web views were changed from outside the interface
    /// (simulator hook: emit it).
    void textsFeedsSettingsChanged();

private:
    std::deque<std::unique_ptr<ConfigurationTask>> m_queue;
    QString m_lastMessage;
};
