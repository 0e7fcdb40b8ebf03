#include "core/configuration/translationsmanager.h"

#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logformatter.h"

#include <QSqlError>

namespace {
const QString kStringsTable = QStringLiteral("TypedStrings");
const QString kTranslationsTable = QStringLiteral("TypedString_Translations");
} // namespace

TranslationsManager::TranslationsManager(AbstractDatabase& database)
    : m_database(database)
{
    reload();
}

TranslationsManager::~TranslationsManager() = default;

QList<TypedString*> TranslationsManager::typedStringsFromType(TypedString::StringType type) const
{
    QList<TypedString*> result;
    for (const auto& string : m_strings) {
        if (string->type() == type)
            result << string.get();
    }
    return result;
}

TypedString* TranslationsManager::typedString(
    TypedString::StringType type, const QString& originalString) const
{
    return m_index.value(qMakePair(int(type), originalString));
}

void TranslationsManager::append(std::unique_ptr<TypedString> string)
{
    const auto key = qMakePair(int(string->type()), string->originalString());
    if (!m_index.contains(key))
        m_index.insert(key, string.get());
    m_strings.push_back(std::move(string));
}

void TranslationsManager::addTranslation(const QString& originalString, TypedString::StringType type,
    QLocale::Language language, const QString& text)
{
    TypedString* string = typedString(type, originalString);
    if (!string) {
        append(std::make_unique<TypedString>(type, originalString));
        string = m_strings.back().get();
    }
    string->addTranslation(language, text);
}

void TranslationsManager::removeTranslations(const QString& originalString, TypedString::StringType type)
{
    if (TypedString* string = typedString(type, originalString))
        string->clearTranslations();
}

bool TranslationsManager::save()
{
    QSqlDatabase db = m_database.database();
    if (!db.transaction())
        return false;
    // The whole set is rewritten: ids double as the stored order.
    VqSqlQuery clearTranslations(db, __PRETTY_FUNCTION__);
    VqSqlQuery clearStrings(db, __PRETTY_FUNCTION__);
    bool ok = clearTranslations.prepare(QStringLiteral("DELETE FROM TypedString_Translations"))
        && clearTranslations.exec() && clearStrings.prepare(QStringLiteral("DELETE FROM TypedStrings"))
        && clearStrings.exec();
    int position = 0;
    for (auto it = m_strings.cbegin(); ok && it != m_strings.cend(); ++it) {
        const TypedString& string = **it;
        VqSqlQuery insertString(db, __PRETTY_FUNCTION__);
        ok = AbstractDatabase::prepareINSERTQuery(insertString, kStringsTable,
                 { { QStringLiteral("id"), ++position }, { QStringLiteral("type"), int(string.type()) },
                     { QStringLiteral("original"), string.originalString() } })
            && insertString.exec();
        const QMap<QLocale::Language, QString> translations = string.translations();
        for (auto t = translations.cbegin(); ok && t != translations.cend(); ++t) {
            VqSqlQuery insertTranslation(db, __PRETTY_FUNCTION__);
            ok = AbstractDatabase::prepareINSERTQuery(insertTranslation, kTranslationsTable,
                     { { QStringLiteral("string_id"), position },
                         { QStringLiteral("language"), int(t.key()) },
                         // An empty translation is stored as such, not as NULL.
                         { QStringLiteral("text"),
                             t.value().isNull() ? QString(QLatin1String("")) : t.value() } })
                && insertTranslation.exec();
        }
    }
    if (ok)
        ok = db.commit();
    if (!ok) {
        db.rollback();
        LogFormatter(LogLevel::Error).log(Log::Translation)
            << __PRETTY_FUNCTION__ << "Failed saving translations";
    }
    return ok;
}

void TranslationsManager::reload()
{
    m_strings.clear();
    m_index.clear();
    QSqlDatabase db = m_database.database();
    VqSqlQuery strings(db, __PRETTY_FUNCTION__);
    if (!AbstractDatabase::prepareSELECTALLQuery(strings, kStringsTable) || !strings.exec())
        return;
    QMap<int, TypedString*> byId;
    while (strings.next()) {
        const auto type = static_cast<TypedString::StringType>(strings.value(QStringLiteral("type")).toInt());
        append(std::make_unique<TypedString>(type, strings.value(QStringLiteral("original")).toString()));
        byId.insert(strings.value(QStringLiteral("id")).toInt(), m_strings.back().get());
    }
    VqSqlQuery translations(db, __PRETTY_FUNCTION__);
    if (!AbstractDatabase::prepareSELECTALLQuery(translations, kTranslationsTable) || !translations.exec())
        return;
    while (translations.next()) {
        if (TypedString* string = byId.value(translations.value(QStringLiteral("string_id")).toInt()))
            string->addTranslation(
                static_cast<QLocale::Language>(translations.value(QStringLiteral("language")).toInt()),
                translations.value(QStringLiteral("text")).toString());
    }
}
