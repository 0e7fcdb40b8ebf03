#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of energy-saving capabilities.
class EnergySavingCapabilities : public QObject
{
    Q_OBJECT

public:
    ~EnergySavingCapabilities() override = default;

protected:
    explicit EnergySavingCapabilities(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
