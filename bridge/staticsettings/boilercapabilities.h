#pragma once

#include "lea/staticsettings/boilercapabilities.h"

namespace bridge {
namespace staticsettings {

/// The boiler settings this machine offers, worked out at each call from its
/// model and the boilers of the loaded configuration. The settings the
/// machine does not offer read false, configuration or not.
class BoilerCapabilities : public lea::staticsettings::BoilerCapabilities
{
    Q_OBJECT

public:
    explicit BoilerCapabilities(QObject* parent);
    ~BoilerCapabilities() override;

    bool espressoBoilerTemperatureSetting() const override;
    bool instantBoilerTemperatureSetting() const override;
    bool steamBoilerPressureSetting() const override;
    bool minEspressoBoilerTempDrinkDeliverySetting() const override { return false; }
    bool minInstantBoilerTempDrinkDeliverySetting() const override { return false; }
    bool minSteamBoilerPressureDrinkDeliverySetting() const override;
    bool standardRecirculationTimeSetting() const override { return false; }
    bool extraRecirculationTimeSetting() const override { return false; }
    bool extraRecirculationDeltaTimeSetting() const override { return false; }
    bool minWaterLeakageTimeSetting() const override { return false; }
    bool seriousWaterLeakageTimeSetting() const override { return false; }
    bool thresholdTLowFailureSolvedSetting() const override { return false; }
    bool thresholdMaxDeltaTValueSetting() const override { return false; }
    bool timeBeforeMaxEspressoSetting() const override { return false; }
    /// Models 2 and 6 boost the espresso boiler when there is no instant
    /// boiler to share the power with; model 5 always does.
    bool espressoBoostModeSetting() const override;
    /// Editable wherever offered, except on a model 5 with an instant boiler.
    bool espressoBoostModeSettingEditable() const override;
    bool instantBoostModeSetting() const override;
    /// Offered with the espresso boost (its guard line is that operation's).
    bool firstCoffeeBoostTimeSetting() const override;
};

} // namespace staticsettings
} // namespace bridge
