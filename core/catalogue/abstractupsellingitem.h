#pragma once

#include "core/catalogue/product.h"

/// Something offered with a beverage: a lid, a syrup, an add-on.
class AbstractUpsellingItem : public Product
{
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setIsActive)
    Q_PROPERTY(UpsellingType upsellingType READ upsellingType WRITE setUpsellingType)
    Q_PROPERTY(quint8 itemValue READ itemValue WRITE setItemValue)

public:
    /// Where the item is offered: 0 before the beverage is prepared, 1 after.
    enum UpsellingType : int {
        BeforePreparation = 0,
        AfterPreparation = 1,
    };
    Q_ENUM(UpsellingType)

    /// The stored kind of item, which says its class.
    enum Kind : int {
        PlainItem = 0,
        SyrupItem = 1,
        CoffeeToGoItem = 2,
    };

    explicit AbstractUpsellingItem(QObject* parent = nullptr);
    ~AbstractUpsellingItem() override;

    virtual Kind kind() const { return PlainItem; }
    /// Whether the item is the lid of a coffee-to-go cup.
    virtual bool isCTGLid() const { return false; }

    /// Offered to the customer; the operator's switch.
    bool isActive() const { return m_active; }
    void setIsActive(bool active) { m_active = active; }
    /// May hold a value of no known type when read from the database.
    UpsellingType upsellingType() const { return m_upsellingType; }
    void setUpsellingType(UpsellingType type) { m_upsellingType = type; }
    /// The item's count or size in the upselling screen.
    quint8 itemValue() const { return m_itemValue; }
    void setItemValue(quint8 value) { m_itemValue = value; }

private:
    bool m_active = true;
    UpsellingType m_upsellingType = BeforePreparation;
    quint8 m_itemValue = 0;
};
