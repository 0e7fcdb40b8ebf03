#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of canisters and their levels.
class Canisters : public QObject
{
    Q_OBJECT

public:
    ~Canisters() override = default;

protected:
    explicit Canisters(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
