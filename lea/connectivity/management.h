#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of which telemetry and payment services are switched on.
class Management : public QObject
{
    Q_OBJECT

public:
    ~Management() override = default;

protected:
    explicit Management(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
