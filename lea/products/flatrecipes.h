#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of flat recipes.
class FlatRecipes : public QObject
{
    Q_OBJECT

public:
    ~FlatRecipes() override = default;

protected:
    explicit FlatRecipes(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
