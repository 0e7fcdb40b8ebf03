#pragma once

#include "core/catalogue/product.h"

/// A product of type CoffeeToGoProduct.
class CoffeeToGoProduct : public Product
{
    Q_OBJECT
    Q_PROPERTY(int coffeeToGoNumber READ coffeeToGoNumber WRITE setCoffeeToGoNumber)

public:
    explicit CoffeeToGoProduct(QObject* parent = nullptr);
    ~CoffeeToGoProduct() override;

    /// The number the coffee-to-go machine knows the product by.
    int coffeeToGoNumber() const { return m_number; }
    void setCoffeeToGoNumber(int number) { m_number = number; }

private:
    int m_number = 0;
};
