#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <QObject>

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

private:
    std::deque<std::unique_ptr<ConfigurationTask>> m_queue;
};
