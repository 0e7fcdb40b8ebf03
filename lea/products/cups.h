#pragma once

#include <QObject>

namespace lea {
namespace products {

/// Accessor of cups.
class Cups : public QObject
{
    Q_OBJECT

public:
    ~Cups() override = default;

protected:
    explicit Cups(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
