#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the machine door.
class Door : public QObject
{
    Q_OBJECT

public:
    ~Door() override = default;

    /// The service door is open.
    virtual bool isOpened() const = 0;
    /// The machine lets the operator open the door now (it may enter its technical menu).
    virtual bool canOpen() const = 0;
    /// Acts as if the door had been opened or closed, for a machine without a door switch.
    virtual void simulateOpened() = 0;
    virtual void simulateClosed() = 0;

protected:
    explicit Door(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
