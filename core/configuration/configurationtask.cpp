#include "core/configuration/configurationtask.h"

ConfigurationTask::ConfigurationTask(std::function<void()> work)
    : m_work(std::move(work))
{
}

ConfigurationTask::~ConfigurationTask() = default;

void ConfigurationTask::run()
{
    if (m_work)
        m_work();
    emit finished();
}

void ConfigurationTask::cancel()
{
    emit canceled();
}
