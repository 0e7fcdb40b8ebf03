#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of recipes with their steps and ingredients.
class Recipes : public QObject
{
    Q_OBJECT

public:
    ~Recipes() override = default;

protected:
    explicit Recipes(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
