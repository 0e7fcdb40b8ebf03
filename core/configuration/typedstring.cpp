#include "core/configuration/typedstring.h"

TypedString::TypedString(StringType type, const QString& originalString)
    : m_type(type)
    , m_originalString(originalString)
{
}

QString TypedString::getTranslation(QLocale::Language language) const
{
    return m_translations.value(language);
}

void TypedString::addTranslation(QLocale::Language language, const QString& text)
{
    m_translations.insert(language, text);
}

void TypedString::clearTranslations()
{
    m_translations.clear();
}
