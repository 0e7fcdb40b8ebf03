#pragma once

#include <cstdint>
#include <QObject>

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

    ~Languages() override = default;

protected:
    explicit Languages(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
