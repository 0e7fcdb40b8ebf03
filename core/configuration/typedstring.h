#pragma once

#include <QLocale>
#include <QMap>
#include <QString>

/// A catalogue text with its translations.
class TypedString
{
public:
    /// What a text names; the value is stored in the database.
    enum StringType : int {
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

    TypedString(StringType type, const QString& originalString);

    StringType type() const { return m_type; }
    QString originalString() const { return m_originalString; }

    QMap<QLocale::Language, QString> translations() const { return m_translations; }
    /// The text in `language`, or an empty text when there is none.
    QString getTranslation(QLocale::Language language) const;
    /// Adds or replaces the text in `language`.
    void addTranslation(QLocale::Language language, const QString& text);
    void clearTranslations();

private:
    StringType m_type;
    QString m_originalString;
    QMap<QLocale::Language, QString> m_translations;
};
