#pragma once

#include "core/catalogue/product.h"

/// A product of type CoffeeToGoProduct.
class CoffeeToGoProduct : public Product
{
    Q_OBJECT
    Q_PROPERTY(int coffeeToGoNumber READ coffeeToGoNumber WRITE setCoffeeToGoNumber)
    Q_PROPERTY(quint8 value READ value WRITE setValue)

public:
    explicit CoffeeToGoProduct(QObject* parent = nullptr);
    ~CoffeeToGoProduct() override;

    /// The number the coffee-to-go machine knows the product by.
    int coffeeToGoNumber() const { return m_number; }
    void setCoffeeToGoNumber(int number) { m_number = number; }
    /// The cup size the coffee-to-go machine prepares.
    quint8 value() const { return m_value; }
    void setValue(quint8 value) { m_value = value; }

private:
    int m_number = 0;
    quint8 m_value = 0;
};
