#pragma once

#include "core/catalogue/abstractupsellingitem.h"

/// An upselling item for coffee to go: a lid or another product sold with the cup.
class CTGUpsellingItem : public AbstractUpsellingItem
{
    Q_OBJECT
    Q_PROPERTY(int productId READ productId WRITE setProductId)
    Q_PROPERTY(bool lid READ isCTGLid WRITE setCTGLid)

public:
    explicit CTGUpsellingItem(QObject* parent = nullptr);
    ~CTGUpsellingItem() override;

    Kind kind() const override { return CoffeeToGoItem; }
    bool isCTGLid() const override { return m_lid; }
    void setCTGLid(bool lid) { m_lid = lid; }
    /// The product sold with the item; -1 when none.
    int productId() const { return m_productId; }
    void setProductId(int id) { m_productId = id; }

private:
    bool m_lid = false;
    int m_productId = -1;
};
