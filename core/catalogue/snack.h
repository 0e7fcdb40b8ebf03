#pragma once

#include "core/catalogue/product.h"

/// A product of type Snack.
class Snack : public Product
{
    Q_OBJECT
    Q_PROPERTY(int snackNumber READ snackNumber WRITE setSnackNumber)

public:
    explicit Snack(QObject* parent = nullptr);
    ~Snack() override;

    /// The number of the snack's spiral in the snack module.
    int snackNumber() const { return m_number; }
    void setSnackNumber(int number) { m_number = number; }

private:
    int m_number = 0;
};
