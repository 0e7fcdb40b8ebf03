#pragma once

#include "nonstd/optional.hpp"

#include <QList>
#include <QLocale>

/// The operator's choice of interface languages: those hidden from the
/// customer, the default languages of the customer's and the technician's
/// screens, and the language in use. Each language is one the machine offers.
struct LanguageSelection
{
    QList<QLocale::Language> deselected;
    nonstd::optional<QLocale::Language> defaultUserUi;
    nonstd::optional<QLocale::Language> defaultTechUi;
    nonstd::optional<QLocale::Language> current;

    bool operator==(const LanguageSelection& other) const
    {
        return deselected == other.deselected && defaultUserUi == other.defaultUserUi
            && defaultTechUi == other.defaultTechUi && current == other.current;
    }
    bool operator!=(const LanguageSelection& other) const { return !(*this == other); }
};
