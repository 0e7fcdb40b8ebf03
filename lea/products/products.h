#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of the product catalogue.
class Products : public QObject
{
    Q_OBJECT

public:
    ~Products() override = default;

protected:
    explicit Products(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
