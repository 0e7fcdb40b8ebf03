#pragma once

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

    /// Sends the fan settings of the loaded configuration to the actuator board.
    void sendFanSettings() { emit fanSettingsSent(); }
    /// Runs the espresso group's initialisation cycle.
    void initEspressoGroup() { emit espressoGroupInitRequested(); }
    /// Sends the cup dispenser timings of the loaded configuration to the cup dispenser.
    void sendCupDispenserParameters() { emit cupDispenserParametersSent(); }

signals:
    void fanSettingsSent();
    void espressoGroupInitRequested();
    void cupDispenserParametersSent();
    void erogationStateChanged();
    void lastActiveTestChanged();
    void lockedChanged(bool locked);
    void cupCarrierNotReady();

private:
    ErogationStatus m_erogationStatus = Idle;
    int m_lastActiveTest = 0;
    bool m_locked = false;
    bool m_cupCarrierReady = true;
};
