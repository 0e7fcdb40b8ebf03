#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of coffee-to-go products.
class CoffeesToGo : public QObject
{
    Q_OBJECT

public:
    ~CoffeesToGo() override = default;

protected:
    explicit CoffeesToGo(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
