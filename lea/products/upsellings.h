#pragma once

#include "lea/ids.h"
#include "lea/products/canisters.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace products {

/// Accessor of upselling items: what is offered together with a beverage.
class Upsellings : public QObject
{
    Q_OBJECT

public:
    /// Where an item is offered.
    enum UpsellingType : int32_t {
        Type0 = 0,
        Type1 = 1,
    };
    Q_ENUM(UpsellingType)

    /// The syrup an item adds.
    struct Syrup
    {
        Canisters::LogicalIngredient logicalIngredient = Canisters::NoIngredient;
        QString canisterName;
        std::vector<lea::Translation> canisterNameTranslations;
    };

    /// One upselling item.
    struct Upselling
    {
        QString name;
        std::vector<lea::Translation> translations;
        /// The item is a coffee-to-go lid.
        bool isCTGLid = false;
        UpsellingType type = Type0;
        /// Present for a syrup item whose canister exists.
        nonstd::optional<Syrup> syrup;
        /// Present for a coffee-to-go item.
        nonstd::optional<lea::ProductDbId> linkedProduct;
        bool enabledFlag = false;
        uint8_t itemValue = 0;
        /// Present for a syrup item.
        nonstd::optional<int32_t> syrupValue;
    };

    ~Upsellings() override = default;

    virtual nonstd::optional<Upselling> upselling(lea::ProductDbId id) const = 0;
    /// The item's place in the beverage's upselling layout; 0 when it has none.
    virtual uint8_t position(lea::ProductDbId beverage, lea::ProductDbId upselling) const = 0;
    /// Switches an available item on or off.
    virtual void activateUpselling(lea::ProductDbId id, bool active) = 0;

protected:
    explicit Upsellings(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
