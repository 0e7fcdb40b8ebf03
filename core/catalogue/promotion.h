#pragma once

#include "core/catalogue/product.h"

#include <QVector>

/// Several products sold together.
class Promotion : public Product
{
    Q_OBJECT

public:
    explicit Promotion(QObject* parent = nullptr);
    ~Promotion() override;

    /// The kinds of the promotion's offers; 1 makes a beverage the promoted product.
    QList<int> promotionTypes() const { return m_promotionTypes; }
    void setPromotionTypes(const QList<int>& types) { m_promotionTypes = types; }
    /// The products the promotion bundles, by database id.
    QList<int> beverageIds() const { return m_beverageIds; }
    void setBeverageIds(const QList<int>& ids) { m_beverageIds = ids; }
    /// The bundled product ids in order: every one with `withRepeats`, else each once.
    QVector<int> productIds(bool withRepeats) const;

private:
    QList<int> m_promotionTypes;
    QList<int> m_beverageIds;
};
