#pragma once

#include <QObject>

namespace lea {
namespace misc {

/// Accessor of the thread watchdog.
class Watchdog : public QObject
{
    Q_OBJECT

public:
    ~Watchdog() override = default;

protected:
    explicit Watchdog(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace misc
} // namespace lea
