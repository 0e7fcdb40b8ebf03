#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the cup dispenser.
class CupDispenser : public QObject
{
    Q_OBJECT

public:
    ~CupDispenser() override = default;

protected:
    explicit CupDispenser(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
