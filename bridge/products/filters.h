#pragma once

#include "lea/products/filters.h"

namespace bridge {
namespace products {

/// The product filters of the selection screen, each with the products it selects.
class Filters : public lea::products::Filters
{
    Q_OBJECT

public:
    explicit Filters(QObject* parent);

    /// A filter selects the products offered on the selection screen whose
    /// attribute mask has its bit (modulo 32) set; products not stored are left out.
    std::vector<Filter> filters() const override;
};

} // namespace products
} // namespace bridge
