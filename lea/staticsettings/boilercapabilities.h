#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of boiler capabilities: which boiler settings this machine offers.
class BoilerCapabilities : public QObject
{
    Q_OBJECT

public:
    ~BoilerCapabilities() override = default;

    virtual bool espressoBoilerTemperatureSetting() const = 0;
    virtual bool instantBoilerTemperatureSetting() const = 0;
    virtual bool steamBoilerPressureSetting() const = 0;
    virtual bool minEspressoBoilerTempDrinkDeliverySetting() const = 0;
    virtual bool minInstantBoilerTempDrinkDeliverySetting() const = 0;
    virtual bool minSteamBoilerPressureDrinkDeliverySetting() const = 0;
    virtual bool standardRecirculationTimeSetting() const = 0;
    virtual bool extraRecirculationTimeSetting() const = 0;
    virtual bool extraRecirculationDeltaTimeSetting() const = 0;
    virtual bool minWaterLeakageTimeSetting() const = 0;
    virtual bool seriousWaterLeakageTimeSetting() const = 0;
    virtual bool thresholdTLowFailureSolvedSetting() const = 0;
    virtual bool thresholdMaxDeltaTValueSetting() const = 0;
    virtual bool timeBeforeMaxEspressoSetting() const = 0;
    virtual bool espressoBoostModeSetting() const = 0;
    virtual bool espressoBoostModeSettingEditable() const = 0;
    virtual bool instantBoostModeSetting() const = 0;
    virtual bool firstCoffeeBoostTimeSetting() const = 0;

protected:
    explicit BoilerCapabilities(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
