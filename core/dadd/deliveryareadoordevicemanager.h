#pragma once

#include <QObject>

namespace core {
namespace dadd {

/// The motorised door of the delivery area: whether the device is in use,
/// whether the door is closed, and what moved it last. The stand-in's door
/// moves at once.
class DeliveryAreaDoorDeviceManager : public QObject
{
    Q_OBJECT

public:
    /// Who asked for a movement.
    enum MovementSource : int {
        MachineRequest = 0,
        UserInterfaceRequest = 1,
    };
    Q_ENUM(MovementSource)

    explicit DeliveryAreaDoorDeviceManager(QObject* parent = nullptr);
    ~DeliveryAreaDoorDeviceManager() override;

    bool isEnabled() const { return m_enabled; }
    /// Builds the machine with the device in use or not (simulator hook).
    void setEnabled(bool enabled);

    bool isDoorClosed() const { return m_doorClosed; }
    void openDadd(MovementSource source) { move(false, source); }
    void closeDadd(MovementSource source) { move(true, source); }
    /// The source of the last open or close request; MachineRequest before any.
    MovementSource lastMovementSource() const { return m_lastSource; }

signals:
    void enabledChanged();
    void doorStatusChanged();

private:
    void move(bool closed, MovementSource source);

    bool m_enabled = false;
    bool m_doorClosed = true;
    MovementSource m_lastSource = MachineRequest;
};

} // namespace dadd
} // namespace core
