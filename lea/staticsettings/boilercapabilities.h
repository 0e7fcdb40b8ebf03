#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of boiler capabilities.
class BoilerCapabilities : public QObject
{
    Q_OBJECT

public:
    ~BoilerCapabilities() override = default;

protected:
    explicit BoilerCapabilities(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
