#pragma once

#include "core/machine/erogationprotocolmivotouchdaltorusena.h"

#include <QObject>

/// Runs the dispensings ("erogations") and the component tests of the machine.
class ErogationManager : public QObject
{
    Q_OBJECT

public:
    enum ErogationStatus : int {
        Idle = 0,
        InProgress = 1,
        TakeCup = 2,
        Failed = 3,
        Canceled = 4,
        Testing = 5,
    };

    explicit ErogationManager(QObject* parent = nullptr);
    ~ErogationManager() override;

    ErogationStatus erogationStatus() const { return m_erogationStatus; }
    void setErogationStatus(ErogationStatus status);

    /// The component test that ran last; 0 before any.
    int lastActiveTest() const { return m_lastActiveTest; }
    void setLastActiveTest(int test);

    /// Whether a cup carrier stands where the machine dispenses.
    bool isCupCarrierReady() const { return m_cupCarrierReady; }
    /// A carrier out of place is announced with cupCarrierNotReady().
    void setCupCarrierReady(bool ready);

    /// True while the operator has locked dispensing.
    bool isLocked() const { return m_locked; }
    void setLocked(bool locked);

    /// The protocol the machine dispenses by.
    ErogationProtocolMivoTouchDaltoRusena* erogationProtocol() const { return m_protocol; }
    /// Moves the procedure that empties the boilers to `state`.
    void setEmptyBoilerState(ErogationProtocolMivoTouchDaltoRusena::DaltoRusEmptyBoilerState state)
    {
        m_protocol->setEmptyBoilerState(state);
    }
    /// Starts the installation of a boiler the operator fitted by hand.
    void manualBoilerInstallation(AbstractErogationProtocol::Boilers boiler)
    {
        emit manualBoilerInstallationStarted(boiler);
    }

    /// Sends the fan settings of the loaded configuration to the actuator board.
    void sendFanSettings() { emit fanSettingsSent(); }

signals:
    void fanSettingsSent();
    void manualBoilerInstallationStarted(AbstractErogationProtocol::Boilers boiler);
    void erogationStateChanged();
    void lastActiveTestChanged();
    void lockedChanged(bool locked);
    void cupCarrierNotReady();

private:
    ErogationStatus m_erogationStatus = Idle;
    int m_lastActiveTest = 0;
    bool m_locked = false;
    bool m_cupCarrierReady = true;
    ErogationProtocolMivoTouchDaltoRusena* m_protocol = new ErogationProtocolMivoTouchDaltoRusena(this);
};
