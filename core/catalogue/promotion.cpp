#include "core/catalogue/promotion.h"

Promotion::Promotion(QObject* parent)
    : Product(-1, Product::Promotion, parent)
{
}

Promotion::~Promotion() = default;

QVector<int> Promotion::productIds(bool withRepeats) const
{
    QVector<int> ids;
    for (const int id : m_beverageIds) {
        if (withRepeats || !ids.contains(id))
            ids << id;
    }
    return ids;
}
