#pragma once

#include "nonstd/optional.hpp"

#include <array>
#include <cstdint>
#include <QObject>
#include <QPair>
#include <QTime>
#include <vector>

namespace lea {
namespace interface {

/// Accessor of energy-saving modes and settings.
class EnergySaving : public QObject
{
    Q_OBJECT

public:
    enum Mode : int32_t {
        SoftMode = 0,
        DeepMode = 1,
        Off = 2,
        /// Not saving energy.
        Normal = 3,
        WakingUp = 4,
    };
    Q_ENUM(Mode)

    /// How far the display is dimmed.
    enum Brightness : int32_t {
        BrightnessLow = 0,
        BrightnessMedium = 1,
        BrightnessHigh = 2,
    };
    Q_ENUM(Brightness)

    /// What one saving mode lowers; temperatures in the machine's own unit.
    struct ModeSettings
    {
        int16_t boiler0Temperature = 0;
        int16_t boiler1Temperature = 0;
        bool lightEnabled = false;
        Brightness brightness = BrightnessLow;
    };

    /// A switch of the weekly schedule: from `time` on `day`, `mode` applies.
    struct State
    {
        Mode mode = Normal;
        Qt::DayOfWeek day = Qt::Monday;
        QTime time;
    };

    /// The self-service mode's settings, on machines that have one.
    using SelfModeSettings = std::array<int32_t, 4>;

    /// The whole energy-saving set-up: the times, each mode's settings and the weekly schedule.
    struct Settings
    {
        int64_t timeToSoftMode = 0;
        int64_t wakeUpTimeFromDeepMode = 0;
        ModeSettings softMode;
        ModeSettings deepMode;
        /// The sales threshold of the self-service mode, on machines that have one.
        int32_t salesThresholdValueSelfMode = 0;
        nonstd::optional<int16_t> steamBoilerPressure;
        /// The weekly schedule, in its order.
        std::vector<State> states;
        nonstd::optional<SelfModeSettings> selfMode;
    };

    ~EnergySaving() override = default;

    virtual Mode currentMode() const = 0;
    virtual nonstd::optional<Settings> settings() const = 0;
    /// Stores the settings; an empty optional changes nothing.
    virtual void setSettings(const nonstd::optional<Settings>& settings) = 0;
    virtual bool energySavingSettingsEnabled() const = 0;
    virtual void setEnergySavingSettingsEnabled(bool enabled) = 0;
    virtual std::vector<Brightness> availableBrightnessTypes() const = 0;
    /// The range of the self-service mode's sales threshold: minimum, maximum.
    virtual nonstd::optional<QPair<int, int>> selfModeSalesLimits() const = 0;
    /// The operator asks to leave energy saving.
    virtual void askExit() = 0;

signals:
    void stateChanged();
    void settingsChanged();
    void started();
    void finished();

protected:
    explicit EnergySaving(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
