#include "bridge/staticsettings/languages.h"

#include "bridge/staticsettings/stringtypeenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"

#include <algorithm>

namespace bridge {
namespace staticsettings {

namespace {

GuiManager& manager()
{
    return *gGuiEnv->guiManager();
}

std::vector<QLocale::Language> toVector(const QList<QLocale::Language>& list)
{
    return { list.cbegin(), list.cend() };
}

} // namespace

Languages::Languages(QObject* parent)
    : lea::staticsettings::Languages(parent)
{
    GuiManager* guiManager = &manager();
    connect(guiManager, &GuiManager::languagesChanged, this, [this, guiManager] {
        if (guiManager->announcesLanguageChanges())
            emit languageChanged();
    });
}

Languages::~Languages() = default;

lea::staticsettings::Languages::Settings Languages::settings() const
{
    const GuiManager& guiManager = manager();
    Settings settings;
    settings.defaultUserLanguage = guiManager.defaultLanguageUserUi().value_or(QLocale::AnyLanguage);
    settings.defaultTechnicianLanguage = guiManager.defaultLanguageTechUi().value_or(QLocale::AnyLanguage);
    settings.currentLanguage = guiManager.currentLanguage().value_or(QLocale::AnyLanguage);
    settings.languages = toVector(guiManager.availableLanguages());
    settings.deselectedLanguages = toVector(guiManager.deselectedLanguages());
    return settings;
}

bool Languages::setSettings(const Settings& settings)
{
    GuiManager& guiManager = manager();
    const QList<QLocale::Language> offered = guiManager.availableLanguages();
    for (const QLocale::Language language :
        { settings.defaultUserLanguage, settings.defaultTechnicianLanguage, settings.currentLanguage }) {
        // The screens would otherwise be shown in a language without texts.
        if (language != QLocale::AnyLanguage && !offered.contains(language)) {
            utils::FailureLog(Q_FUNC_INFO, Log::Global).warning("Language not offered by this machine");
            return false;
        }
    }
    LanguageSelection selection = guiManager.languageSelection();
    selection.deselected.clear();
    for (const QLocale::Language language : offered) {
        const std::vector<QLocale::Language>& hidden = settings.deselectedLanguages;
        if (std::find(hidden.cbegin(), hidden.cend(), language) != hidden.cend())
            selection.deselected << language;
    }
    if (settings.defaultUserLanguage != QLocale::AnyLanguage)
        selection.defaultUserUi = settings.defaultUserLanguage;
    if (settings.defaultTechnicianLanguage != QLocale::AnyLanguage)
        selection.defaultTechUi = settings.defaultTechnicianLanguage;
    if (settings.currentLanguage != QLocale::AnyLanguage)
        selection.current = settings.currentLanguage;
    return utils::FailureLog(Q_FUNC_INFO, Log::Database)
        .stored(guiManager.setLanguageSelection(selection), "Failed to save the language settings");
}

std::vector<lea::Translation> Languages::getStringTranslations(
    QString originalString, std::vector<QLocale::Language> languages, StringType type) const
{
    const TypedString::StringType coreType = StringTypeEnumConverter::toInternalOrThrow(type);
    return utils::getStringTranslations(std::move(originalString), std::move(languages), coreType);
}

} // namespace staticsettings
} // namespace bridge
