#include "core/machine/erogationmanager.h"

#include "core/catalogue/recipe.h"

ErogationManager::ErogationManager(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<ComponentsTest>();
    // For queued connections and signal spies on the boiler signals.
    qRegisterMetaType<AbstractErogationProtocol::Boilers>();
    qRegisterMetaType<ErogationProtocolMivoTouchDaltoRusena::DaltoRusEmptyBoilerState>();
}

ErogationManager::~ErogationManager() = default;

void ErogationManager::setErogationStatus(ErogationStatus status)
{
    if (status == m_erogationStatus)
        return;
    m_erogationStatus = status;
    emit erogationStateChanged();
}

void ErogationManager::setLastActiveTest(int test)
{
    if (test == m_lastActiveTest)
        return;
    m_lastActiveTest = test;
    emit lastActiveTestChanged();
}

void ErogationManager::setLocked(bool locked)
{
    if (locked == m_locked)
        return;
    m_locked = locked;
    emit lockedChanged(locked);
}

void ErogationManager::setCupCarrierReady(bool ready)
{
    if (ready == m_cupCarrierReady)
        return;
    m_cupCarrierReady = ready;
    if (!ready)
        emit cupCarrierNotReady();
}

void ErogationManager::record(const QString& operation, const QVariantList& arguments)
{
    m_requests.append({ operation, arguments });
}

void ErogationManager::testEspressoGroup(bool moveUp, bool moveDown, int cycles, bool repeat)
{
    record(QStringLiteral("testEspressoGroup"), { moveUp, moveDown, cycles, repeat });
}

void ErogationManager::testTeaBrewer(int cycles)
{
    record(QStringLiteral("testTeaBrewer"), { cycles });
}

void ErogationManager::flowMeterCalibration()
{
    record(QStringLiteral("flowMeterCalibration"), {});
}

void ErogationManager::inputNewFlowMeterCalibration(int value)
{
    record(QStringLiteral("inputNewFlowMeterCalibration"), { value });
}

void ErogationManager::calibratePump(bool highSpeed, bool continuous)
{
    record(QStringLiteral("calibratePump"), { highSpeed, continuous });
}

bool ErogationManager::erogateTestRecipeOfType(
    Recipe* recipe, AbstractErogationProtocol::ErogationTestType type)
{
    if (!recipe || isBusy())
        return false;
    record(QStringLiteral("erogateTestRecipeOfType"), { recipe->dbId(), int(type) });
    return true;
}

bool ErogationManager::calibrateCanister(const PhysicalMachine::PhysicalCanister* canister, bool highSpeed)
{
    if (!canister || isBusy())
        return false;
    record(QStringLiteral("calibrateCanister"), { int(canister->type()), highSpeed });
    return true;
}

bool ErogationManager::startGrinderCalibrationVolumetric(const PhysicalMachine::PhysicalCanister* canister,
    int count, AbstractErogationProtocol::ErogationType type)
{
    if (!canister || isBusy())
        return false;
    record(QStringLiteral("startGrinderCalibrationVolumetric"), { int(canister->type()), count, int(type) });
    return true;
}

bool ErogationManager::testComponents(ComponentsTest test)
{
    if (test == NoTest || isBusy())
        return false;
    record(QStringLiteral("testComponents"), { int(test) });
    m_onGoingTest = test;
    setErogationStatus(Testing);
    emit componentTestStarted(test);
    return true;
}

void ErogationManager::finishComponentTest()
{
    const ComponentsTest test = m_onGoingTest;
    if (test == NoTest)
        return;
    m_onGoingTest = NoTest;
    setLastActiveTest(test);
    setErogationStatus(Idle);
    emit componentTestFinished(test);
}
