#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the delivery-area door.
class DADD : public QObject
{
    Q_OBJECT

public:
    ~DADD() override = default;

    /// The machine uses its delivery-area door.
    virtual bool enabled() const = 0;
    /// The door is closed.
    virtual bool status() const = 0;
    virtual void openDoor() = 0;
    virtual void closeDoor() = 0;

signals:
    void enabledChanged();
    void statusChanged();

protected:
    explicit DADD(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
