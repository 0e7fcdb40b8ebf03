#pragma once

#include "lea/staticsettings/energysavingcapabilities.h"

namespace bridge {
namespace staticsettings {

/// The energy-saving settings this machine offers, worked out at each call
/// from its model and the boilers of the loaded configuration.
class EnergySavingCapabilities : public lea::staticsettings::EnergySavingCapabilities
{
    Q_OBJECT

public:
    explicit EnergySavingCapabilities(QObject* parent);
    ~EnergySavingCapabilities() override;

    /// Model 6 has no light to dim.
    bool softModeLightEnabledSetting() const override;
    bool deepModeLightEnabledSetting() const override;
    bool softModeBoilerEspressoTemperatureSetting() const override;
    bool deepModeBoilerEspressoTemperatureSetting() const override;
    bool softModeBoilerInstantTemperatureSetting() const override;
    bool deepModeBoilerInstantTemperatureSetting() const override;
    bool softModeBoilerSteamPressureSetting() const override;
    bool deepModeBoilerSteamPressureSetting() const override;
    bool deepModeSwitchOffBoilerSetting() const override { return false; }
    bool selfModeThresholdSalesPerHoursSetting() const override { return false; }
};

} // namespace staticsettings
} // namespace bridge
