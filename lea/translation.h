#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QLocale>
#include <QString>

namespace lea {

/// A text in one language.
struct Translation
{
    QLocale::Language language = QLocale::AnyLanguage;
    /// Reserved by the interface layer; the bridge never sets nor reads it.
    nonstd::optional<int32_t> firstValue;
    QString text;
    /// Reserved by the interface layer; the bridge never sets nor reads it.
    nonstd::optional<int32_t> secondValue;
};

} // namespace lea
