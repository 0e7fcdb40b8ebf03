#pragma once

#include <QObject>

namespace lea {
namespace payment {

/// Accessor of the mobile payment service.
class Paxio : public QObject
{
    Q_OBJECT

public:
    ~Paxio() override = default;

protected:
    explicit Paxio(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
