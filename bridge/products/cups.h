#pragma once

#include "lea/products/cups.h"

namespace bridge {
namespace products {

/// The capacity of the machine's two cup turrets.
class Cups : public lea::products::Cups
{
    Q_OBJECT

public:
    explicit Cups(QObject* parent);

    /// A capacity beyond one byte reads as 255.
    std::vector<nonstd::optional<Cup>> turrets() const override;
};

} // namespace products
} // namespace bridge
