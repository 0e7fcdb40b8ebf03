#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of product filters.
class Filters : public QObject
{
    Q_OBJECT

public:
    ~Filters() override = default;

protected:
    explicit Filters(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
