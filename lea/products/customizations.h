#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of beverage customizations.
class Customizations : public QObject
{
    Q_OBJECT

public:
    ~Customizations() override = default;

protected:
    explicit Customizations(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
