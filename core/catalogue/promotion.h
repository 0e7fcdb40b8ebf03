#pragma once

#include "core/catalogue/product.h"

/// Several products sold together.
class Promotion : public Product
{
    Q_OBJECT

public:
    explicit Promotion(QObject* parent = nullptr);
    ~Promotion() override;
};
