#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of the Sophia telemetry service.
class Sophia : public QObject
{
    Q_OBJECT

public:
    ~Sophia() override = default;

protected:
    explicit Sophia(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
