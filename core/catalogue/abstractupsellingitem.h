#pragma once

#include "core/catalogue/product.h"

/// Something offered with a beverage: a lid, a syrup, an add-on.
class AbstractUpsellingItem : public Product
{
    Q_OBJECT

public:
    explicit AbstractUpsellingItem(QObject* parent = nullptr);
    ~AbstractUpsellingItem() override;
};
