#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of product categories.
class Categories : public QObject
{
    Q_OBJECT

public:
    ~Categories() override = default;

protected:
    explicit Categories(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
