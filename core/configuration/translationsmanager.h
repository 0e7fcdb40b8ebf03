#pragma once

#include "core/configuration/typedstring.h"

#include <memory>
#include <QHash>
#include <QList>
#include <QPair>
#include <vector>

class AbstractDatabase;

/// The typed strings of a configuration group, kept in memory and written
/// back to the group's database by save().
class TranslationsManager
{
public:
    explicit TranslationsManager(AbstractDatabase& database);
    ~TranslationsManager();

    /// The first typed string of `type` whose original is `originalString`, or null.
    TypedString* typedString(TypedString::StringType type, const QString& originalString) const;
    /// Typed strings of one type, in the order they were first stored.
    QList<TypedString*> typedStringsFromType(TypedString::StringType type) const;

    /// Adds a translation, creating the typed string when it does not exist yet. Not saved.
    void addTranslation(const QString& originalString, TypedString::StringType type,
        QLocale::Language language, const QString& text);
    /// Removes every translation of the typed string; the string itself stays. Not saved.
    void removeTranslations(const QString& originalString, TypedString::StringType type);

    /// Writes every typed string in one transaction; false if nothing could be written.
    bool save();
    /// Replaces the memory content with what the database holds.
    void reload();

private:
    void append(std::unique_ptr<TypedString> string);

    AbstractDatabase& m_database;
    std::vector<std::unique_ptr<TypedString>> m_strings;
    // Look-ups by type and original: catalogue listings ask once per object.
    QHash<QPair<int, QString>, TypedString*> m_index;
};
