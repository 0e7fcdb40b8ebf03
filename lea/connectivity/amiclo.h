#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of the AmiClo telemetry service.
class AmiClo : public QObject
{
    Q_OBJECT

public:
    ~AmiClo() override = default;

protected:
    explicit AmiClo(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
