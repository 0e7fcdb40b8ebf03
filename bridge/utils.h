#pragma once

#include "core/configuration/typedstring.h"
#include "core/coreenvironment.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>
#include <type_traits>
#include <utility>
#include <vector>

class Configuration;

namespace bridge {
namespace utils {

/// Writes the entry of an operation that found no configuration loaded.
void logConfigurationNotLoaded(const char* signature);

/// The configuration guard: runs `operation` on the loaded configuration, or,
/// when none is loaded, logs it under `signature` and returns the neutral
/// (default-constructed) result. Use with Q_FUNC_INFO.
template <class Operation>
auto withConfiguration(const char* signature, Operation&& operation)
    -> std::invoke_result_t<Operation, Configuration&>
{
    using Result = std::invoke_result_t<Operation, Configuration&>;
    Configuration* configuration = gCoreEnv->configuration();
    if (!configuration) {
        logConfigurationNotLoaded(signature);
        if constexpr (std::is_void<Result>::value)
            return;
        else
            return Result {};
    }
    return std::forward<Operation>(operation)(*configuration);
}

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
/// Replaces the stored translations of a text; writes nothing when they already agree.
void updateTranslations(
    QString originalString, TypedString::StringType type, const std::vector<lea::Translation>& wanted);

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
