#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of the NewDigital telemetry service.
class NewDigital : public QObject
{
    Q_OBJECT

public:
    ~NewDigital() override = default;

protected:
    explicit NewDigital(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
