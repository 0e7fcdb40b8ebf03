#pragma once

#include <QObject>

namespace lea {
namespace statistics {

/// Accessor of delivery events and counters.
class Delivery : public QObject
{
    Q_OBJECT

public:
    ~Delivery() override = default;

protected:
    explicit Delivery(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace statistics
} // namespace lea
