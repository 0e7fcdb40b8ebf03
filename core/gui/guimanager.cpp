#include "core/gui/guimanager.h"

#include "core/gui/guimodule.h"
#include "core/gui/screensavermodule.h"
#include "core/gui/useractivitymonitoring.h"

GuiManager::GuiManager(QObject* parent)
    : QObject(parent)
    , m_technicalMenu(new GuiModule(this))
    , m_initLoading(new GuiModule(this))
    , m_screenSaver(new ScreenSaverModule(this))
    , m_activity(new UserActivityMonitoring(this))
{
}

GuiManager::~GuiManager() = default;

void GuiManager::setAvailableLanguages(const QList<QLocale::Language>& languages)
{
    if (m_languages == languages)
        return;
    m_languages = languages;
    emit availableLanguagesChanged();
    emit languagesChanged();
}

void GuiManager::setCurrentLanguage(nonstd::optional<QLocale::Language> language)
{
    if (m_current == language)
        return;
    m_current = language;
    emit currentLanguageChanged();
    emit languagesChanged();
}

void GuiManager::setShowMessage(bool show)
{
    if (show == m_showMessage)
        return;
    m_showMessage = show;
    emit showMessageChanged();
}

void GuiManager::setSelectionMode(SelectionMode mode)
{
    if (mode == m_selectionMode)
        return;
    m_selectionMode = mode;
    emit selectionModeChanged();
}

void GuiManager::stopApplication()
{
    m_stopped = true;
    emit applicationStopRequested();
}
