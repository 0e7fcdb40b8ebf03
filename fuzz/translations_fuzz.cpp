// bridge::utils::updateTranslations() with arbitrary texts and languages on a
// machine simulator. Input: a string type byte, a byte choosing a known
// original or the text that follows, then up to seven (language, text) pairs,
// each language a known one or any value.
//
// Every input starts from the same stored translations, so that a finding
// replays on its own.

#include "bridge/utils.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/coresimulator.h"
#include "core/database/abstractdatabase.h"
#include "core/gui/guimanager.h"
#include "core/log/logsink.h"
#include "fuzzinput.h"

#include <limits>
#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

CoreSimulator* machine = nullptr;

const QLocale::Language kLanguages[]
    = { QLocale::English, QLocale::German, QLocale::French, QLocale::Italian, QLocale::AnyLanguage };
const char* const kOriginals[] = { "Espresso", "Hot chocolate", "Hot drinks", "" };

TranslationsManager& manager()
{
    return *gCoreEnv->configurationGroup()->translationsManager();
}

/// Puts back the stored translations every input starts from.
void resetTranslations()
{
    for (const char* table : { "TypedString_Translations", "TypedStrings" }) {
        QSqlQuery remove(gCoreEnv->configurationGroup()->database()->database());
        const QString key = QLatin1String(table) == QLatin1String("TypedStrings")
            ? QStringLiteral("id")
            : QStringLiteral("string_id");
        FUZZ_CHECK(AbstractDatabase::prepareDELETEQuery(remove, QLatin1String(table),
            { { key, std::numeric_limits<qlonglong>::min() } }, AbstractDatabase::Greater));
        FUZZ_CHECK(remove.exec());
    }
    manager().reload();
    const auto add = [](const char* original, TypedString::StringType type, QLocale::Language language,
                         const char* text) {
        manager().addTranslation(QString::fromUtf8(original), type, language, QString::fromUtf8(text));
    };
    add("Espresso", TypedString::RecipeName, QLocale::English, "Espresso");
    add("Espresso", TypedString::RecipeName, QLocale::Italian, "Caffè espresso");
    add("Hot chocolate", TypedString::RecipeName, QLocale::German, "Heiße Schokolade");
    add("Hot chocolate", TypedString::RecipeName, QLocale::French, "");
    add("Hot drinks", TypedString::CategoryTitle, QLocale::German, "Heißgetränke");
    FUZZ_CHECK(manager().save());
}

/// Every typed string of `type` with its translations, in stored order.
QList<QPair<QString, QMap<QLocale::Language, QString>>> stringsOfType(TypedString::StringType type)
{
    QList<QPair<QString, QMap<QLocale::Language, QString>>> strings;
    for (const TypedString* string : manager().typedStringsFromType(type))
        strings << qMakePair(string->originalString(), string->translations());
    return strings;
}

QLocale::Language language(FuzzInput& input)
{
    const uint8_t choice = input.byte();
    if (choice < 0xC0)
        return kLanguages[choice % (sizeof(kLanguages) / sizeof(kLanguages[0]))];
    // The enumeration holds the values of its nine bits; no other is a language.
    return static_cast<QLocale::Language>(input.integer<uint16_t>() % 512);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    new QCoreApplication(*argc, *argv);
    LogSink::instance().setEchoEnabled(false);
    static QTemporaryDir directory;
    FUZZ_CHECK(directory.isValid());
    machine = new CoreSimulator(
        directory.filePath(QStringLiteral("machine.sqlite")), CoreSimulator::Storage::Scratch);
    machine->guiManager().setAvailableLanguages({ QLocale::English, QLocale::German, QLocale::French });
    FUZZ_CHECK(machine->core().loadConfiguration());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    LogSink::instance().clear();
    resetTranslations();
    FuzzInput input(data, size);
    // Mostly the kinds of text there are, sometimes any value.
    const auto type = static_cast<TypedString::StringType>(static_cast<int8_t>(input.byte()));
    const uint8_t originalChoice = input.byte();
    const QString original = originalChoice < 0x80
        ? QString::fromUtf8(kOriginals[originalChoice % (sizeof(kOriginals) / sizeof(kOriginals[0]))])
        : input.text();
    std::vector<lea::Translation> wanted(input.byte() % 8);
    for (lea::Translation& translation : wanted) {
        translation.language = language(input);
        translation.text = input.text();
    }

    const auto before = stringsOfType(type);
    const bool storable = bridge::utils::isStorableText(original)
        && std::all_of(wanted.cbegin(), wanted.cend(), [](const lea::Translation& translation) {
               return bridge::utils::isStorableText(translation.text);
           });
    const bool updated = bridge::utils::updateTranslations(original, type, wanted);
    FUZZ_CHECK(updated == storable);
    if (!updated) {
        FUZZ_CHECK(stringsOfType(type) == before);
        manager().reload();
        FUZZ_CHECK(stringsOfType(type) == before);
        return 0;
    }

    // A language given twice keeps its last text.
    QMap<QLocale::Language, QString> expected;
    for (const lea::Translation& translation : wanted)
        expected.insert(translation.language, translation.text);
    FUZZ_CHECK(bridge::utils::coreTranslationsForTypeAndOriginalString(type, original) == expected);
    const auto inMemory = stringsOfType(type);
    manager().reload();
    FUZZ_CHECK(bridge::utils::coreTranslationsForTypeAndOriginalString(type, original) == expected);
    FUZZ_CHECK(stringsOfType(type) == inMemory);
    return 0;
}
