#pragma once

#include "core/catalogue/product.h"

/// A product dispensed without recipe, into a cup the machine drops.
class SpecialProduct : public Product
{
    Q_OBJECT
    Q_PROPERTY(
        CupToDropFromTurretEnum cupToDropFromTurret READ cupToDropFromTurret WRITE setCupToDropFromTurret)

public:
    explicit SpecialProduct(QObject* parent = nullptr);
    ~SpecialProduct() override;

    CupToDropFromTurretEnum cupToDropFromTurret() const { return m_turret; }
    void setCupToDropFromTurret(CupToDropFromTurretEnum turret) { m_turret = turret; }

private:
    CupToDropFromTurretEnum m_turret = FirstTurret;
};
