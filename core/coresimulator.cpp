#include "core/coresimulator.h"

#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/gui/guienvironment.h"
#include "core/hardwareenvironment.h"

CoreSimulator::CoreSimulator(const QString& databasePath)
    : m_core(std::make_unique<CoreEnvironment>(std::make_unique<ConfigurationGroup>(databasePath)))
    , m_hardware(std::make_unique<HardwareEnvironment>())
    , m_gui(std::make_unique<GuiEnvironment>())
{
    gCoreEnv = m_core.get();
    gHardwareEnv = m_hardware.get();
    gGuiEnv = m_gui.get();
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
