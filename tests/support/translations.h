#pragma once

#include "lea/translation.h"

#include <QLocale>
#include <QString>
#include <utility>
#include <vector>

/// Translations as (language, text) pairs, the part that tests compare.
using Texts = std::vector<std::pair<QLocale::Language, QString>>;

inline Texts texts(const std::vector<lea::Translation>& translations)
{
    Texts result;
    for (const lea::Translation& translation : translations)
        result.emplace_back(translation.language, translation.text);
    return result;
}

inline lea::Translation translation(
    QLocale::Language language, const QString& text, nonstd::optional<int32_t> firstValue = {})
{
    lea::Translation result;
    result.language = language;
    result.text = text;
    result.firstValue = firstValue;
    return result;
}
