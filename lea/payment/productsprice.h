#pragma once

#include <QObject>

namespace lea {
namespace payment {

/// Accessor of product prices.
class ProductsPrice : public QObject
{
    Q_OBJECT

public:
    ~ProductsPrice() override = default;

protected:
    explicit ProductsPrice(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
