#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the delivery-area door.
class DADD : public QObject
{
    Q_OBJECT

public:
    ~DADD() override = default;

protected:
    explicit DADD(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
