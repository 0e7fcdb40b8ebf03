#pragma once

#include <QObject>

namespace lea {
namespace misc {

/// Accessor of the thread watchdog: a monitored thread proves it is alive.
class Watchdog : public QObject
{
    Q_OBJECT

public:
    ~Watchdog() override = default;

    /// Records a sign of life of the calling thread.
    virtual void tickFromCurrentThread() const = 0;

protected:
    explicit Watchdog(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace misc
} // namespace lea
