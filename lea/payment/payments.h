#pragma once

#include <QObject>

namespace lea {
namespace payment {

/// Accessor of credit, money events and vend authorisation.
class Payments : public QObject
{
    Q_OBJECT

public:
    ~Payments() override = default;

protected:
    explicit Payments(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
