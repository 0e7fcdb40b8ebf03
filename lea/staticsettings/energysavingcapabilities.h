#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of energy-saving capabilities: which energy-saving settings this machine offers.
class EnergySavingCapabilities : public QObject
{
    Q_OBJECT

public:
    ~EnergySavingCapabilities() override = default;

    virtual bool softModeLightEnabledSetting() const = 0;
    virtual bool deepModeLightEnabledSetting() const = 0;
    virtual bool softModeBoilerEspressoTemperatureSetting() const = 0;
    virtual bool deepModeBoilerEspressoTemperatureSetting() const = 0;
    virtual bool softModeBoilerInstantTemperatureSetting() const = 0;
    virtual bool deepModeBoilerInstantTemperatureSetting() const = 0;
    virtual bool softModeBoilerSteamPressureSetting() const = 0;
    virtual bool deepModeBoilerSteamPressureSetting() const = 0;
    virtual bool deepModeSwitchOffBoilerSetting() const = 0;
    virtual bool selfModeThresholdSalesPerHoursSetting() const = 0;

protected:
    explicit EnergySavingCapabilities(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
