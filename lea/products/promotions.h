#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of promotions.
class Promotions : public QObject
{
    Q_OBJECT

public:
    ~Promotions() override = default;

protected:
    explicit Promotions(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
