#pragma once

#include "nonstd/optional.hpp"

#include <array>
#include <chrono>
#include <cstdint>
#include <QMetaType>
#include <QObject>
#include <QPair>
#include <vector>

namespace lea {
namespace hardware {

/// Accessor of boiler temperatures and boosts.
class BoilerTemperature : public QObject
{
    Q_OBJECT

public:
    /// How the instant boiler is boosted.
    enum BoostInstantType : int32_t {
        NoInstantBoost = 0,
        InstantBoost = 1,
    };
    Q_ENUM(BoostInstantType)
    /// How the espresso boiler is boosted.
    enum BoostEspressoType : int32_t {
        NoEspressoBoost = 0,
        EspressoBoost = 1,
    };
    Q_ENUM(BoostEspressoType)

    /// The boilers' last readings; temperatures in tenths of a degree Celsius.
    struct Measures
    {
        int16_t instantBoilerTemperature = 0;
        int16_t espressoBoilerTemperature = 0;
        int16_t steamBoilerValue = 0;
    };

    /// The boosts of the boilers.
    struct Boost
    {
        BoostInstantType boostInstantType = NoInstantBoost;
        BoostEspressoType boostEspressoType = NoEspressoBoost;
        /// How long the espresso boiler is boosted before the first coffee.
        int64_t firstCoffeeBoostTime = 0;
    };

    /// The boiler temperature settings; temperatures in tenths of a degree Celsius.
    struct Settings
    {
        int16_t espressoBoilerTemperature = 0;
        int16_t espressoMinTemperature = 0;
        int16_t lowTemperatureFailureSolvedThreshold = 0;
        int64_t idleTimeBeforeMaxEspressoTemperature = 0;
        int16_t reserved = 0;
        /// The espresso set-point that setSettings() applies; 0 from a machine
        /// without espresso boiler.
        int16_t espressoTemperature = 0;
        nonstd::optional<int16_t> instantBoilerTemperature;
        nonstd::optional<Boost> boost;
        int16_t espressoMaxDeltaTemperature = 0;
        nonstd::optional<int16_t> steamBoilerTemperature;
    };

    /// The current value of each averaged boiler, then each average.
    using AverageMeasures = std::array<int16_t, 6>;
    /// A range (minimum, maximum); empty when the machine gives none.
    using Limits = nonstd::optional<QPair<int, int>>;

    ~BoilerTemperature() override = default;

    virtual bool isHeating() const = 0;
    /// Reads the boiler temperatures once; measuresChanged() follows.
    virtual void refreshMeasures() = 0;
    virtual void startReadingOnlyTemperatures(std::chrono::duration<long long, std::milli> interval) = 0;
    virtual void stopReadingTimer() = 0;
    virtual Measures lastMeasures() const = 0;
    virtual AverageMeasures lastMeasuresAverage() const = 0;
    virtual Settings settings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;
    /// The steam temperature at a boiler pressure in bar.
    virtual int pressureToTemperature(float pressure, bool steam) const = 0;
    /// The steam boiler pressure in bar at a temperature.
    virtual float temperatureToPressure(int temperature) const = 0;
    virtual Limits steamBoilerTempLimits() const = 0;
    virtual std::vector<BoostInstantType> availableBoostInstantTypes() const = 0;

signals:
    void heating();
    void newAverageMeasureAvailable();
    void measuresChanged(lea::hardware::BoilerTemperature::Measures measures);

protected:
    explicit BoilerTemperature(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea

Q_DECLARE_METATYPE(lea::hardware::BoilerTemperature::Measures)
