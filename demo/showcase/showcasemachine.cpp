#include "demo/showcase/showcasemachine.h"

#include "bridge/qml/amicloproperties.h"
#include "bridge/qml/newdigitalproperties.h"
#include "bridge/qml/televendproperties.h"
#include "core/coreenvironment.h"
#include "core/log/logsink.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/machine.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"
#include "demo/scenario/scenarioplayer.h"
#include "demo/showcase/menuseed.h"
#include "demo/showcase/showcase.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>

// The QML lives in a static library: its resources are linked only when named.
static void initResources()
{
    Q_INIT_RESOURCE(showcase);
}

namespace showcase {

ShowcaseMachine::ShowcaseMachine(int stepDelayMs, QObject* parent)
    : QObject(parent)
{
    createSimulator();
    if (!m_simulator)
        return;
    m_valid = seedMenu(m_bridge, defaultMenu(), m_directory.filePath(QStringLiteral("menu-images")));
    m_simulator->core().userSelectionManager()->setDispensingStepDelay(stepDelayMs);
    m_simulator->core().machine()->cpuStateMachine()->setCurrentState(CpuStateMachine::Ready);
}

ShowcaseMachine::ShowcaseMachine(const scenario::Scenario& scenario, int paceMs, QObject* parent)
    : QObject(parent)
{
    createSimulator();
    if (!m_simulator)
        return;
    m_player = std::make_unique<scenario::ScenarioPlayer>(scenario, *m_simulator, m_bridge);
    m_player->setPace(paceMs);
    m_valid = true;
}

void ShowcaseMachine::createSimulator()
{
    initResources();
    LogSink::instance().setEchoEnabled(false);
    if (!m_directory.isValid())
        return;
    m_simulator = std::make_unique<CoreSimulator>(
        m_directory.filePath(QStringLiteral("machine.sqlite")), CoreSimulator::Storage::Scratch);
    m_simulator->core().loadConfiguration();
    m_showcase = std::make_unique<Showcase>(m_bridge);
}

bool ShowcaseMachine::start()
{
    if (!m_player || m_player->isRunning())
        return false;
    m_player->start();
    if (!m_player->failure().isEmpty())
        return false;
    if (!giveImages(m_bridge, m_directory.filePath(QStringLiteral("menu-images"))))
        return false;
    m_showcase->load();
    return true;
}

// The player and the showcase's accessors go before the machine they read.
ShowcaseMachine::~ShowcaseMachine()
{
    m_player.reset();
    m_showcase.reset();
}

bool ShowcaseMachine::load(QQmlApplicationEngine& engine)
{
    if (!m_valid)
        return false;
    m_bridge.exposeToQml(*engine.rootContext());
    engine.rootContext()->setContextProperty(QStringLiteral("Showcase"), m_showcase.get());
    engine.rootContext()->setContextProperty(QStringLiteral("Machine"), this);
    m_showcase->load();
    engine.load(QUrl(QStringLiteral("qrc:/showcase/main.qml")));
    return !engine.rootObjects().isEmpty();
}

void ShowcaseMachine::insertCoin(int value)
{
    m_simulator->core().payment()->addCredit(value);
}

void ShowcaseMachine::reportTelemetry(bool connected)
{
    bridge::qml::AmiCloProperties::instance()->setActive(connected);
    bridge::qml::TelevendProperties::instance()->setEnabled(true);
    bridge::qml::TelevendProperties::instance()->setCloudConnectionStatus(connected ? 2 : 1);
    bridge::qml::NewDigitalProperties::instance()->setEnabled(true);
    bridge::qml::NewDigitalProperties::instance()->setCloudConnectionStatus(connected ? 2 : 3);
}

} // namespace showcase
