#pragma once

#include <cstdint>
#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the fan.
class Fan : public QObject
{
    Q_OBJECT

public:
    /// How the machine runs its fan.
    struct Settings
    {
        /// The CPU board switches the fan on and off by itself.
        bool cpuFanManagementOn = false;
        bool fanAlwaysOn = false;
        /// How long the fan runs after a dispensing.
        int64_t fanDuration = 0;
    };

    ~Fan() override = default;

    virtual Settings settings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;

protected:
    explicit Fan(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
