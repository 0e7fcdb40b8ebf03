#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the fan.
class Fan : public QObject
{
    Q_OBJECT

public:
    ~Fan() override = default;

protected:
    explicit Fan(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
