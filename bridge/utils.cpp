#include "bridge/utils.h"

#include "core/configuration/configurationgroup.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/log/assert.h"
#include "core/log/logformatter.h"

#include <algorithm>
#include <QCoreApplication>
#include <stdexcept>
#include <string>

namespace bridge {
namespace utils {

namespace {

TranslationsManager* translationsManager()
{
    ConfigurationGroup* group = gCoreEnv->configurationGroup();
    return group ? group->translationsManager() : nullptr;
}

const TypedString* findTypedString(
    TranslationsManager& manager, TypedString::StringType type, const QString& originalString)
{
    return manager.typedString(type, originalString);
}

lea::Translation makeTranslation(QLocale::Language language, const QString& text)
{
    lea::Translation translation;
    translation.language = language;
    translation.text = text;
    return translation;
}

} // namespace

Configuration* loadedConfiguration(const char* signature)
{
    Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << signature << "Configuration is not loaded. Operation canceled.";
    return configuration;
}

Configuration* assertedConfiguration(MissingConfiguration report, const char* file, int line)
{
    Configuration* configuration = gCoreEnv->configuration();
    if (configuration)
        return configuration;
    const auto print = report == MissingConfiguration::Assertion ? printAssertMsg : printReleaseAssertMsg;
    print("gCoreEnv->configuration()", "Configuration is not loaded. Abort.", file, line);
    return nullptr;
}

QMap<QLocale::Language, QString> coreTranslationsForTypeAndOriginalString(
    TypedString::StringType type, const QString& originalString)
{
    TranslationsManager* manager = translationsManager();
    if (!manager)
        return {};
    const TypedString* string = findTypedString(*manager, type, originalString);
    return string ? string->translations() : QMap<QLocale::Language, QString> {};
}

std::vector<lea::Translation> coreTranslationsToLeaTranslations(const QMap<QLocale::Language, QString>& map)
{
    std::vector<lea::Translation> result;
    result.reserve(static_cast<std::size_t>(map.size()));
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        result.push_back(makeTranslation(it.key(), it.value()));
    return result;
}

std::vector<lea::Translation> translations(QString originalString, TypedString::StringType type)
{
    TranslationsManager* manager = translationsManager();
    if (!gCoreEnv->configuration() || !manager)
        return {};
    const TypedString* string = findTypedString(*manager, type, originalString);
    if (!string)
        return {};
    const QList<QLocale::Language> offered = gGuiEnv->guiManager()->availableLanguages();
    std::vector<lea::Translation> result;
    const QMap<QLocale::Language, QString> map = string->translations();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (offered.contains(it.key()))
            result.push_back(makeTranslation(it.key(), it.value()));
    }
    return result;
}

std::vector<lea::Translation> getStringTranslations(
    QString originalString, std::vector<QLocale::Language> languages, TypedString::StringType type)
{
    const std::vector<lea::Translation> known = translations(originalString, type);
    std::vector<lea::Translation> result;
    result.reserve(languages.size());
    for (const QLocale::Language language : languages) {
        const auto it = std::find_if(known.cbegin(), known.cend(),
            [language](const lea::Translation& t) { return t.language == language; });
        const bool translated = it != known.cend() && !it->text.isEmpty();
        result.push_back(makeTranslation(language, translated ? it->text : originalString));
    }
    return result;
}

std::vector<lea::Translation> translationsFromQm(const QString& context, const QString& sourceText)
{
    const nonstd::optional<QLocale::Language> current = gGuiEnv->guiManager()->currentLanguage();
    if (!current)
        return {};
    // Translators and their fallback read both texts as UTF-8, whatever the locale's encoding.
    const QByteArray contextBytes = context.toUtf8();
    const QByteArray sourceBytes = sourceText.toUtf8();
    return { makeTranslation(
        *current, QCoreApplication::translate(contextBytes.constData(), sourceBytes.constData())) };
}

bool compareLeaTranslations(
    const std::vector<lea::Translation>& first, const std::vector<lea::Translation>& second)
{
    if (first.size() != second.size())
        return false;
    const auto sorted = [](std::vector<lea::Translation> list) {
        std::stable_sort(list.begin(), list.end(),
            [](const lea::Translation& a, const lea::Translation& b) { return a.language < b.language; });
        return list;
    };
    const std::vector<lea::Translation> a = sorted(first);
    const std::vector<lea::Translation> b = sorted(second);
    return std::equal(
        a.cbegin(), a.cend(), b.cbegin(), [](const lea::Translation& x, const lea::Translation& y) {
            return x.language == y.language && x.text == y.text;
        });
}

bool updateTranslations(
    QString originalString, TypedString::StringType type, const std::vector<lea::Translation>& wanted)
{
    TranslationsManager* manager = translationsManager();
    if (!manager)
        return false;
    // A null text would be bound as NULL, which the table refuses, and the whole set with it.
    const auto storable
        = [](const QString& text) { return text.isNull() ? QString(QLatin1String("")) : text; };
    originalString = storable(originalString);
    const bool valid = isStorableText(originalString)
        && std::all_of(wanted.cbegin(), wanted.cend(),
            [](const lea::Translation& translation) { return isStorableText(translation.text); });
    if (!valid) {
        LogFormatter(LogLevel::Warning).log(Log::Translation)
            << Q_FUNC_INFO << "Text cannot be stored unchanged:" << originalString;
        return false;
    }
    const auto current
        = coreTranslationsToLeaTranslations(coreTranslationsForTypeAndOriginalString(type, originalString));
    if (compareLeaTranslations(current, wanted))
        return true;
    manager->removeTranslations(originalString, type);
    for (const lea::Translation& translation : wanted)
        manager->addTranslation(originalString, type, translation.language, storable(translation.text));
    if (manager->save())
        return true;
    // Memory must not keep what the database refused: later edits compare against it.
    manager->reload();
    return false;
}

bool isStorableText(const QString& text)
{
    if (text.startsWith(QChar(0xFEFF)))
        return false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            return false;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return false;
    }
    return true;
}

void requireStorableText(const QString& text)
{
    if (!isStorableText(text))
        throw std::invalid_argument("Text cannot be stored unchanged: " + text.toStdString());
}

void requireStorableText(const nonstd::optional<QString>& text)
{
    if (text)
        requireStorableText(*text);
}

void requireStorableTexts(const std::vector<lea::Translation>& translations)
{
    for (const lea::Translation& translation : translations)
        requireStorableText(translation.text);
}

void reportNotImplemented(const char* signature, const char* file, int line)
{
    const std::string message = std::string(signature) + "is not implemented.";
    printReleaseAssertMsg("", message.c_str(), file, line);
}

void warnNotImplemented(const char* signature, const char* file, int line)
{
    const std::string message = std::string(signature) + " is not implemented.";
    printWarningMsg(message.c_str(), file, line);
}

void checkCoreId(int coreId)
{
    if (coreId < 0)
        printAssertMsg("coreId >= 0", "Expected valid identifier", __FILE__, __LINE__);
}

} // namespace utils
} // namespace bridge
