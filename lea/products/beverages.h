#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of beverages.
class Beverages : public QObject
{
    Q_OBJECT

public:
    ~Beverages() override = default;

protected:
    explicit Beverages(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
