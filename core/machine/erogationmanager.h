#pragma once

#include "core/machine/abstracterogationprotocol.h"
#include "core/machine/erogationprotocolmivotouchdaltorusena.h"
#include "core/machine/physicalmachine.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

class Recipe;

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

    /// A component the machine tests on its own; NoTest while none runs.
    enum ComponentsTest : int {
        NoTest = 0,
        FirstComponentTest = 1,
        LastNumberedComponentTest = 47,
        ComponentTest57 = 57,
        ComponentTest58 = 58,
        ComponentTest1000 = 1000,
    };
    Q_ENUM(ComponentsTest)

    /// A calibration, test or test dispensing the manager accepted, with its
    /// arguments (a recipe as its id, a canister as its logical id).
    struct Request
    {
        QString operation;
        QVariantList arguments;
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

    // Calibrations and tests. The stand-in records each request instead of
    // running it; one that returns a result is refused (false, not recorded)
    // while the machine dispenses or tests, or without a recipe or canister.
    void testEspressoGroup(bool moveUp, bool moveDown, int cycles, bool repeat);
    void testTeaBrewer(int cycles);
    void flowMeterCalibration();
    void inputNewFlowMeterCalibration(int value);
    void calibratePump(bool highSpeed, bool continuous);
    bool erogateTestRecipeOfType(Recipe* recipe, AbstractErogationProtocol::ErogationTestType type);
    bool calibrateCanister(const PhysicalMachine::PhysicalCanister* canister, bool highSpeed);
    bool startGrinderCalibrationVolumetric(const PhysicalMachine::PhysicalCanister* canister, int count,
        AbstractErogationProtocol::ErogationType type);
    /// Starts a component test: componentTestStarted() and the state Testing.
    bool testComponents(ComponentsTest test);
    /// The component test running; NoTest while none runs.
    ComponentsTest onGoingTest() const { return m_onGoingTest; }
    /// Ends the running test, which becomes the last one: componentTestFinished().
    void finishComponentTest();
    /// Every request accepted, oldest first.
    const QList<Request>& requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    /// The actuator board's firmware version and revision (simulator hook: setter).
    int actuatorBoardVersionInt() const { return m_actuatorBoardVersion; }
    int actuatorBoardRevisionInt() const { return m_actuatorBoardRevision; }
    void setActuatorBoardVersion(int version, int revision)
    {
        m_actuatorBoardVersion = version;
        m_actuatorBoardRevision = revision;
    }
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
    /// Runs the espresso group's initialisation cycle.
    void initEspressoGroup() { emit espressoGroupInitRequested(); }
    /// Sends the cup dispenser timings of the loaded configuration to the cup dispenser.
    void sendCupDispenserParameters() { emit cupDispenserParametersSent(); }

signals:
    void fanSettingsSent();
    void espressoGroupInitRequested();
    void cupDispenserParametersSent();
    void manualBoilerInstallationStarted(AbstractErogationProtocol::Boilers boiler);
    void erogationStateChanged();
    void lastActiveTestChanged();
    void lockedChanged(bool locked);
    void cupCarrierNotReady();
    void componentTestStarted(ErogationManager::ComponentsTest test);
    void componentTestFinished(ErogationManager::ComponentsTest test);

private:
    bool isBusy() const { return m_erogationStatus != Idle || m_onGoingTest != NoTest; }
    void record(const QString& operation, const QVariantList& arguments);

    ErogationStatus m_erogationStatus = Idle;
    int m_lastActiveTest = 0;
    bool m_locked = false;
    bool m_cupCarrierReady = true;
    ComponentsTest m_onGoingTest = NoTest;
    QList<Request> m_requests;
    int m_actuatorBoardVersion = 0;
    int m_actuatorBoardRevision = 0;
    ErogationProtocolMivoTouchDaltoRusena* m_protocol = new ErogationProtocolMivoTouchDaltoRusena(this);
};
