#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <QObject>
#include <vector>

namespace lea {
namespace products {

/// Accessor of promotions: products sold together.
class Promotions : public QObject
{
    Q_OBJECT

public:
    /// One promotion.
    struct Promotion
    {
        /// The products bundled, in order; a product may appear more than once.
        std::vector<lea::ProductDbId> products;
    };

    ~Promotions() override = default;

    virtual nonstd::optional<Promotion> promotion(lea::ProductDbId id) const = 0;
    /// Promotions are made by the catalogue editor: always empty, nothing is created.
    virtual nonstd::optional<lea::ProductDbId> create(const Promotion& promotion) = 0;

protected:
    explicit Promotions(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
