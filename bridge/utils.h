#pragma once

#include "core/configuration/typedstring.h"
#include "core/coreenvironment.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <limits>
#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>
#include <vector>

class Configuration;

namespace bridge {
namespace utils {

/// The configuration guard: the loaded configuration, or, when none is
/// loaded, null after logging `signature` with "Configuration is not loaded.
/// Operation canceled." (module Global, level 3); the operation then returns
/// its neutral result. Call with Q_FUNC_INFO.
Configuration* loadedConfiguration(const char* signature);
/// How an operation that requires a configuration reports its absence.
enum class MissingConfiguration {
    Assertion, ///< the caller goes on without one
    ReleaseAssertion, ///< the caller abandons the operation
};
/// The loaded configuration of an operation that requires one: when none is
/// loaded, null after reporting the broken invariant "Configuration is not
/// loaded. Abort." at `file` and `line`.
Configuration* assertedConfiguration(MissingConfiguration report, const char* file, int line);

/// Keeps `slot` of `receiver` connected to `signal` of whichever configuration
/// is loaded, now and after every replacement. Connections to a replaced
/// configuration end with it; all end with the receiver.
template <class Signal, class Receiver, class Slot>
void connectToConfiguration(Signal signal, Receiver* receiver, Slot slot)
{
    QObject::connect(gCoreEnv, &CoreEnvironment::configurationChanged, receiver,
        [signal, receiver, slot](const Configuration* configuration) {
            if (configuration)
                QObject::connect(configuration, signal, receiver, slot, Qt::UniqueConnection);
        });
    if (const Configuration* configuration = gCoreEnv->configuration())
        QObject::connect(configuration, signal, receiver, slot, Qt::UniqueConnection);
}

/// connectToConfiguration() for a signal of an object that the configuration
/// owns, which `part` (called with the configuration) gives.
template <class Part, class Signal, class Receiver, class Slot>
void connectToConfigurationPart(Part part, Signal signal, Receiver* receiver, Slot slot)
{
    const auto connectTo = [part, signal, receiver, slot](const Configuration* configuration) {
        if (configuration)
            QObject::connect(part(configuration), signal, receiver, slot, Qt::UniqueConnection);
    };
    QObject::connect(gCoreEnv, &CoreEnvironment::configurationChanged, receiver, connectTo);
    connectTo(gCoreEnv->configuration());
}

/// Translations of the first typed string of `type` whose original is `originalString`.
QMap<QLocale::Language, QString> coreTranslationsForTypeAndOriginalString(
    TypedString::StringType type, const QString& originalString);
/// One translation per entry, in ascending language order.
std::vector<lea::Translation> coreTranslationsToLeaTranslations(const QMap<QLocale::Language, QString>& map);
/// The translations of a text in the languages the interface offers.
std::vector<lea::Translation> translations(QString originalString, TypedString::StringType type);
/// One text per requested language, in that order; the original text where a
/// language has no (or an empty) translation.
std::vector<lea::Translation> getStringTranslations(
    QString originalString, std::vector<QLocale::Language> languages, TypedString::StringType type);
/// The text of the application's translators in the current interface language.
std::vector<lea::Translation> translationsFromQm(const QString& context, const QString& sourceText);
/// Same languages with the same texts, in any order.
bool compareLeaTranslations(
    const std::vector<lea::Translation>& first, const std::vector<lea::Translation>& second);
/// Replaces the stored translations of a text; writes nothing when they already
/// agree. False when they could not be stored: the translations then stay as
/// the database holds them, and the failure is logged.
bool updateTranslations(
    QString originalString, TypedString::StringType type, const std::vector<lea::Translation>& wanted);

/// Whether SQLite keeps a text unchanged: it alters unpaired surrogates, the
/// noncharacters U+FFFE and U+FFFF and a leading U+FEFF, which would detach
/// what is keyed by the text after a reload.
bool isStorableText(const QString& text);
/// Throws std::invalid_argument for a text that would not be stored unchanged,
/// so that a record carrying one is refused before anything is written.
void requireStorableText(const QString& text);
void requireStorableText(const nonstd::optional<QString>& text);
void requireStorableTexts(const std::vector<lea::Translation>& translations);

/// A core row id below 0 means "no identifier"; 0 is valid.
template <class Id> nonstd::optional<Id> idFromCoreOpt(int coreId)
{
    if (coreId < 0)
        return nonstd::nullopt;
    return Id(static_cast<typename Id::ValueType>(coreId));
}

template <class Id> int idToCoreOpt(nonstd::optional<Id> id)
{
    return id ? static_cast<int>(id->value()) : -1;
}

/// The core row id an interface id names. Ids beyond the core's range name no
/// row: they would otherwise wrap round to the negative id of an unsaved object.
template <class Id> nonstd::optional<int> coreId(Id id)
{
    if (id.value() > static_cast<typename Id::ValueType>(std::numeric_limits<int>::max()))
        return nonstd::nullopt;
    return static_cast<int>(id.value());
}

/// Reports a call of an operation this machine does not offer as a broken
/// invariant: the signature, then "is not implemented.".
void reportNotImplemented(const char* signature, const char* file, int line);
/// Warns of a call of an operation that is not offered but harmless to call.
void warnNotImplemented(const char* signature, const char* file, int line);

/// Reports a negative id as a broken invariant and goes on with it.
void checkCoreId(int coreId);

/// The identifier of a core row that must exist.
template <class Id> Id idFromCore(int coreId)
{
    checkCoreId(coreId);
    return Id(static_cast<typename Id::ValueType>(coreId));
}

} // namespace utils
} // namespace bridge
