#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of slave machines.
class SlaveMachines : public QObject
{
    Q_OBJECT

public:
    ~SlaveMachines() override = default;

protected:
    explicit SlaveMachines(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
