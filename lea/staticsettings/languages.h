#pragma once

#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QLocale>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace staticsettings {

/// Accessor of interface languages and translations.
class Languages : public QObject
{
    Q_OBJECT

public:
    /// What a translated text names.
    enum StringType : int32_t {
        BeverageName = 0,
        BeverageDescription = 1,
        RecipeName = 2,
        IngredientName = 3,
        CanisterName = 4,
        CustomizationName = 5,
        AdjustmentName = 6,
        CategoryTitle = 7,
        CategoryDescription = 8,
        PlaylistName = 9,
        SnackName = 10,
        SnackDescription = 11,
        RollingText = 12,
        FilterName = 13,
        PromotionName = 14,
        PromotionDescription = 15,
        CoffeeToGoName = 16,
        UpsellingName = 17,
        NutritionalName = 18,
        AllergenName = 19,
        WebViewName = 20,
        NewsText = 21,
    };

    /// The language selection of the interface. A language of
    /// QLocale::AnyLanguage (0) means none.
    struct Settings
    {
        /// The language the customer's screens start in.
        QLocale::Language defaultUserLanguage = QLocale::AnyLanguage;
        /// The language the technician's screens start in.
        QLocale::Language defaultTechnicianLanguage = QLocale::AnyLanguage;
        QLocale::Language currentLanguage = QLocale::AnyLanguage;
        /// Reserved by the interface layer; the bridge never sets nor reads it.
        nonstd::optional<int32_t> firstReserved;
        /// Reserved by the interface layer; the bridge never sets nor reads it.
        nonstd::optional<int32_t> secondReserved;
        /// Reserved by the interface layer; the bridge never sets nor reads it.
        nonstd::optional<int32_t> thirdReserved;
        /// Every language the machine offers.
        std::vector<QLocale::Language> languages;
        /// The offered languages hidden from the customer.
        std::vector<QLocale::Language> deselectedLanguages;
    };

    ~Languages() override = default;

    virtual Settings settings() const = 0;
    virtual bool setSettings(const Settings& settings) = 0;
    /// One text per requested language, in the requested order.
    virtual std::vector<lea::Translation> getStringTranslations(
        QString originalString, std::vector<QLocale::Language> languages, StringType type) const = 0;

signals:
    void languageChanged();

protected:
    explicit Languages(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
