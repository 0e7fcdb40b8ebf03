#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <vector>

namespace lea {
namespace products {

/// Accessor of the cup turrets.
class Cups : public QObject
{
    Q_OBJECT

public:
    /// One cup turret.
    struct Cup
    {
        /// The number of cups the turret holds.
        uint8_t maximumQuantity = 0;
    };

    ~Cups() override = default;

    /// The first turret, then the second.
    virtual std::vector<nonstd::optional<Cup>> turrets() const = 0;

protected:
    explicit Cups(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
