#pragma once

#include "lea/hardware/boilertemperature.h"

namespace bridge {
namespace hardware {

/// Reads and stores the boiler temperature settings, reads the boilers'
/// temperatures from the core's input checker and relays the machine's
/// heating and temperature-average events.
class BoilerTemperature : public lea::hardware::BoilerTemperature
{
    Q_OBJECT

public:
    explicit BoilerTemperature(QObject* parent);
    /// Gives the input checker back its reading mode should a refresh still be running.
    ~BoilerTemperature() override;

    bool isHeating() const override;
    /// A second call while a refresh runs asks the board again and keeps the
    /// reading mode that was in force before the first.
    void refreshMeasures() override;
    /// An interval that is negative or beyond the machine's range is logged and ignored.
    void startReadingOnlyTemperatures(std::chrono::duration<long long, std::milli> interval) override;
    void stopReadingTimer() override;
    Measures lastMeasures() const override;
    /// Zeros in the place of a handler the machine does not have.
    AverageMeasures lastMeasuresAverage() const override;
    /// Throws std::invalid_argument for a stored boost type the interface does not know.
    Settings settings() const override;
    /// Checks everything first, then applies and stores it all at once: a boost
    /// type the machine does not know throws std::invalid_argument, a time beyond
    /// the machine's range is logged, and both change nothing, as does a refused
    /// save (logged). Without a boost block the boosts stay as they are.
    void setSettings(const Settings& settings) override;
    /// 0, logged, for a pressure whose temperature is no number or out of range.
    int pressureToTemperature(float pressure, bool steam) const override;
    float temperatureToPressure(int temperature) const override;
    Limits steamBoilerTempLimits() const override;
    std::vector<BoostInstantType> availableBoostInstantTypes() const override;

private:
    void onInputsChanged();
    void finishRefresh();

    bool m_refreshing = false;
    /// The input checker's reading mode before the running refresh.
    int m_savedReadingMode = 0;
};

} // namespace hardware
} // namespace bridge
