#pragma once

#include "core/catalogue/cataloguerevision.h"

#include <QObject>

/// A product of the catalogue.
class Product : public QObject
{
    Q_OBJECT

public:
    enum ProductType : int {
        BaseProduct = 0,
        Beverage = 1,
        Snack = 2,
        SpecialProduct = 3,
        Promotion = 4,
        CoffeeToGoProduct = 5,
        UpsellingItem = 6,
    };

    /// The cup turret a recipe drops its cup from.
    enum CupToDropFromTurretEnum : int {
        NoTurret = 0,
        FirstTurret = 1,
        SecondTurret = 2,
    };
    Q_ENUM(CupToDropFromTurretEnum)

    Product(int id, ProductType productType, QObject* parent = nullptr);
    ~Product() override;

    /// The database row id.
    int id() const { return m_id; }
    /// Set once the product is stored.
    void setId(int id)
    {
        m_id = id;
        CatalogueRevision::bump();
    }
    ProductType productType() const { return m_productType; }

private:
    int m_id;
    ProductType m_productType;
};
