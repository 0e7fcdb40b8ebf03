#pragma once

#include <mutex>
#include <QHash>
#include <QThread>

namespace monitored_threads {

/// The thread monitor: monitored threads tick regularly to prove they are alive.
class Monitor
{
public:
    static Monitor* instance();

    /// Records a tick of the calling thread.
    void tickFromCurrentThread();
    /// How many ticks `thread` has recorded so far.
    quint64 tickCount(Qt::HANDLE thread) const;

private:
    Monitor() = default;

    mutable std::mutex m_mutex;
    QHash<Qt::HANDLE, quint64> m_ticks;
};

} // namespace monitored_threads
