#include "core/configuration/configurationmanager.h"

#include "core/configuration/configurationtask.h"
#include "core/coreenvironment.h"

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
