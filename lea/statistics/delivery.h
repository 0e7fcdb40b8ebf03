#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace statistics {

/// Accessor of delivery events and counters.
class Delivery : public QObject
{
    Q_OBJECT

public:
    /// What one vend used of one ingredient.
    struct Ingredient
    {
        QString name;
        int32_t quantity = 0;
        /// "dg" for dosed ingredients, "ml" for water.
        QString unit;
    };

    /// The recipe a beverage was prepared from.
    struct RecipeInfo
    {
        lea::RecipeDbId id;
        QString name;
        /// In dispensing order.
        std::vector<Ingredient> ingredients;
    };

    /// One completed vend. The payment fields are the machine's, unchanged.
    struct ProductDeliveryEvent
    {
        bool paid = false;
        lea::ProductDbId productId;
        /// In the smallest unit of the currency.
        int32_t price = 0;
        QString paymentKind;
        /// When the vend was reported, in local time.
        QDateTime time;
        /// Present for beverages only.
        nonstd::optional<RecipeInfo> recipe;
    };

    /// One measured infusion time.
    struct InfusionTimeEvent
    {
        /// Empty when the machine reported no valid identifier.
        nonstd::optional<uint32_t> id;
        /// Never negative.
        int32_t time = 0;
    };

    /// How often one product was dispensed, and when last.
    struct ProductDeliveryStatistics
    {
        int64_t deliveryCount = 0;
        /// Null before the first delivery.
        QDateTime lastDelivery;
        /// Empty when the product has none.
        nonstd::optional<int32_t> itemNumber;
    };

    ~Delivery() override = default;

    /// Per product of the loaded catalogue.
    virtual std::map<lea::ProductDbId, ProductDeliveryStatistics> productsDeliveryStatistics() const = 0;
    /// Every completed vend since the machine's counter was set up.
    virtual int64_t totalDeliveryCount() const = 0;

signals:
    void productDelivered(const lea::statistics::Delivery::ProductDeliveryEvent& event);
    void infusionTimeRecorded(const lea::statistics::Delivery::InfusionTimeEvent& event);

protected:
    explicit Delivery(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace statistics
} // namespace lea

// Queued connections and signal spies carry them.
Q_DECLARE_METATYPE(lea::statistics::Delivery::ProductDeliveryEvent)
Q_DECLARE_METATYPE(lea::statistics::Delivery::InfusionTimeEvent)
