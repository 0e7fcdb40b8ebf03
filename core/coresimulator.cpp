#include "core/coresimulator.h"

#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/gui/maintenance.h"
#include "core/hardwareenvironment.h"

#include <QSqlQuery>

CoreSimulator::CoreSimulator(const QString& databasePath, Storage storage)
    : m_core(std::make_unique<CoreEnvironment>(std::make_unique<ConfigurationGroup>(databasePath)))
    , m_hardware(std::make_unique<HardwareEnvironment>())
    , m_gui(std::make_unique<GuiEnvironment>())
{
    gCoreEnv = m_core.get();
    gHardwareEnv = m_hardware.get();
    gGuiEnv = m_gui.get();
    // The GUI settings live in the group's store, reachable only now.
    m_gui->maintenance()->load();
    m_gui->guiCustomization()->load();
    QObject::connect(
        m_core.get(), &CoreEnvironment::configurationGroupChanged, m_gui->maintenance(), &Maintenance::load);
    QObject::connect(m_core.get(), &CoreEnvironment::configurationGroupChanged, m_gui->guiCustomization(),
        &GuiCustomization::load);
    m_gui->guiManager()->loadLanguages();
    QObject::connect(m_core.get(), &CoreEnvironment::configurationGroupChanged, m_gui->guiManager(),
        &GuiManager::loadLanguages);
    if (storage == Storage::Scratch) {
        // Waiting for the disk would dominate the run time of short tests.
        QSqlQuery pragma(m_core->configurationGroup()->database()->database());
        pragma.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    }
}

CoreSimulator::~CoreSimulator()
{
    gCoreEnv = nullptr;
    gHardwareEnv = nullptr;
    gGuiEnv = nullptr;
}

GuiManager& CoreSimulator::guiManager() const
{
    return *m_gui->guiManager();
}
