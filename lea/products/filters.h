#pragma once

#include "lea/ids.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace products {

/// Accessor of product filters: each selects the products that carry one attribute.
class Filters : public QObject
{
    Q_OBJECT

public:
    /// One filter of the selection screen.
    struct Filter
    {
        QString name;
        /// Empty when the filter has no image.
        QString imagePath;
        std::vector<lea::ProductDbId> products;
        /// The bit of the product attribute mask the filter selects on.
        nonstd::optional<int32_t> attributeBit;
        nonstd::optional<int32_t> filterNumber;
        nonstd::optional<uint8_t> firstFlag;
        nonstd::optional<uint8_t> secondFlag;
        nonstd::optional<std::vector<lea::Translation>> translations;
    };

    ~Filters() override = default;

    virtual std::vector<Filter> filters() const = 0;

protected:
    explicit Filters(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
