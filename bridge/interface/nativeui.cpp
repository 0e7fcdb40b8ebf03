#include "bridge/interface/nativeui.h"

#include "bridge/interface/selectionmodeenumconverter.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/gui/guimodule.h"
#include "core/gui/screensavermodule.h"
#include "core/gui/useractivitymonitoring.h"
#include "core/log/assert.h"

#include <QtGlobal>
#include <string>

namespace bridge {
namespace interface {

namespace {
GuiManager& guiManager()
{
    return *gGuiEnv->guiManager();
}
} // namespace

NativeUI::NativeUI(QObject* parent)
    : lea::interface::NativeUI(parent)
{
    GuiManager& manager = guiManager();
    connect(manager.technicalMenuModule(), &GuiModule::visibleChanged, this,
        &NativeUI::technicalMenuVisibilityChanged);
    connect(manager.initLoadingModule(), &GuiModule::visibleChanged, this,
        &NativeUI::initLoadingVisibilityChanged);
    connect(
        &manager, &GuiManager::screenSaverInactivityDetected, this, &NativeUI::screensaverInactivityDetected);
    connect(manager.screenSaverModule(), &ScreenSaverModule::exited, this, &NativeUI::screenSaverExited);
    connect(&manager, &GuiManager::selectionModeChanged, this, &NativeUI::selectionModeChanged);
}

NativeUI::~NativeUI() = default;

lea::interface::NativeUI::ModulesVisibility NativeUI::modulesVisibility() const
{
    const GuiManager& manager = guiManager();
    return { manager.technicalMenuModule()->isVisible(), manager.initLoadingModule()->isVisible(),
        manager.screenSaverModule()->isVisible() };
}

void NativeUI::leaveTechnicalMenu() const
{
    GuiModule* menu = guiManager().technicalMenuModule();
    if (menu->isVisible())
        menu->setVisible(false);
}

void NativeUI::showMessage(const QString& text)
{
    guiManager().setShowMessageText(text);
    guiManager().setShowMessage(true);
}

void NativeUI::showCreditMessage(lea::ProductDbId /*product*/)
{
    const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
    printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
}

void NativeUI::showCupPositionMessage()
{
    qWarning("%s is not implemented.", Q_FUNC_INFO);
}

void NativeUI::setUserActivityDetected()
{
    guiManager().userActivityMonitoring()->onActivityDetected();
}

void NativeUI::terminateApp()
{
    if (guiManager().canStopApplication())
        guiManager().stopApplication();
}

lea::interface::NativeUI::SelectionMode NativeUI::selectionMode() const
{
    return SelectionModeEnumConverter::toExternalOrThrow(guiManager().selectionMode());
}

void NativeUI::setSelectionMode(SelectionMode mode)
{
    guiManager().setSelectionMode(SelectionModeEnumConverter::toInternalOrThrow(mode));
}

} // namespace interface
} // namespace bridge
