#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/gui/guimanager.h"
#include "core/settings/settingsstore.h"

#include <QJsonArray>

namespace {

const QString kDeselected = QStringLiteral("gui/deselectedLanguages");
const QString kDefaultUserUi = QStringLiteral("gui/defaultLanguageUserUi");
const QString kDefaultTechUi = QStringLiteral("gui/defaultLanguageTechUi");
const QString kCurrent = QStringLiteral("gui/currentLanguage");

SettingsStore* store()
{
    const ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    return group ? group->settingsStore() : nullptr;
}

QJsonValue toJson(nonstd::optional<QLocale::Language> language)
{
    return language ? QJsonValue(int(*language)) : QJsonValue(QJsonValue::Undefined);
}

// QLocale::Language has no fixed underlying type: only its own range may be cast.
nonstd::optional<QLocale::Language> fromJson(const QJsonValue& value)
{
    const int id = value.toInt(0);
    if (id <= QLocale::C || id > QLocale::LastLanguage)
        return nonstd::nullopt;
    return static_cast<QLocale::Language>(id);
}

} // namespace

QList<QLocale::Language> GuiManager::deselectedLanguages() const
{
    QList<QLocale::Language> result;
    for (const QLocale::Language language : m_languages) {
        if (m_deselected.contains(language))
            result << language;
    }
    return result;
}

LanguageSelection GuiManager::languageSelection() const
{
    return { deselectedLanguages(), m_defaultUserUi, m_defaultTechUi, m_current };
}

bool GuiManager::setLanguageSelection(const LanguageSelection& selection)
{
    SettingsStore* settings = store();
    if (!settings)
        return false;
    QJsonArray deselected;
    for (const QLocale::Language language : selection.deselected)
        deselected.append(int(language));
    // An undefined value removes the key: "none" is stored as no entry.
    const bool stored = settings->setValues(
        { { kDeselected, deselected }, { kDefaultUserUi, toJson(selection.defaultUserUi) },
            { kDefaultTechUi, toJson(selection.defaultTechUi) }, { kCurrent, toJson(selection.current) } });
    if (!stored)
        return false;
    applyLanguageSelection(selection);
    return true;
}

void GuiManager::loadLanguages()
{
    const SettingsStore* settings = store();
    if (!settings)
        return;
    LanguageSelection selection;
    for (const QJsonValue& value : settings->value(kDeselected).toArray()) {
        if (const nonstd::optional<QLocale::Language> language = fromJson(value))
            selection.deselected << *language;
    }
    selection.defaultUserUi = fromJson(settings->value(kDefaultUserUi));
    selection.defaultTechUi = fromJson(settings->value(kDefaultTechUi));
    selection.current = settings->contains(kCurrent) ? fromJson(settings->value(kCurrent)) : m_current;
    applyLanguageSelection(selection);
}

void GuiManager::applyLanguageSelection(const LanguageSelection& selection)
{
    const bool currentChanged = selection.current != m_current;
    const bool changed = currentChanged || selection.deselected != m_deselected
        || selection.defaultUserUi != m_defaultUserUi || selection.defaultTechUi != m_defaultTechUi;
    m_deselected = selection.deselected;
    m_defaultUserUi = selection.defaultUserUi;
    m_defaultTechUi = selection.defaultTechUi;
    m_current = selection.current;
    if (currentChanged)
        emit currentLanguageChanged();
    if (changed)
        emit languagesChanged();
}
