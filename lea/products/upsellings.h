#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of upselling items.
class Upsellings : public QObject
{
    Q_OBJECT

public:
    ~Upsellings() override = default;

protected:
    explicit Upsellings(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
