#include "core/tools/monitor.h"

namespace monitored_threads {

Monitor* Monitor::instance()
{
    static Monitor monitor;
    return &monitor;
}

void Monitor::tickFromCurrentThread()
{
    const Qt::HANDLE thread = QThread::currentThreadId();
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_ticks[thread];
}

quint64 Monitor::tickCount(Qt::HANDLE thread) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_ticks.value(thread);
}

} // namespace monitored_threads
