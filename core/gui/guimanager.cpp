#include "core/gui/guimanager.h"

GuiManager::GuiManager(QObject* parent)
    : QObject(parent)
{
}

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
