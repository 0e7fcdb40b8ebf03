#pragma once

#include "core/hardware/inputsoutputs.h"

#include <QList>
#include <QObject>

class SettingsStore;
class TimeBandDataSettings;

/// The energy-saving settings of a configuration, kept under "energySaving/..."
/// keys: when the soft mode starts, how long waking from the deep mode takes,
/// what each mode lowers, and a weekly schedule of switches whose band is an
/// EnergyMode. Setters change the values held here only; whoever stores them
/// with Configuration::saveEnergySavingSettings() announces the change.
class EnergySavingSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enable READ enable WRITE setEnable)
    Q_PROPERTY(int timeToSoftMode READ timeToSoftMode WRITE setTimeToSoftMode)
    Q_PROPERTY(int wakeUpTimeFromDeep READ wakeUpTimeFromDeep WRITE setWakeUpTimeFromDeep)
    Q_PROPERTY(int displayContrastValueSoftMode READ displayContrastSoftModeNumber WRITE
            setDisplayContrastSoftModeNumber)
    Q_PROPERTY(int displayContrastValueDeepMode READ displayContrastDeepModeNumber WRITE
            setDisplayContrastDeepModeNumber)
    Q_PROPERTY(bool lightEnableSoftMode READ lightEnableSoftMode WRITE setLightEnableSoftMode)
    Q_PROPERTY(bool lightEnableDeepMode READ lightEnableDeepMode WRITE setLightEnableDeepMode)
    Q_PROPERTY(
        int boiler0TemperatureSoftMode READ boiler0TemperatureSoftMode WRITE setBoiler0TemperatureSoftMode)
    Q_PROPERTY(
        int boiler1TemperatureSoftMode READ boiler1TemperatureSoftMode WRITE setBoiler1TemperatureSoftMode)
    Q_PROPERTY(
        int boiler0TemperatureDeepMode READ boiler0TemperatureDeepMode WRITE setBoiler0TemperatureDeepMode)
    Q_PROPERTY(
        int boiler1TemperatureDeepMode READ boiler1TemperatureDeepMode WRITE setBoiler1TemperatureDeepMode)

public:
    enum EnergyMode : int {
        SoftMode = 0,
        DeepMode = 1,
        Off = 2,
        WakingUp = 3,
        NoSaving = 4,
        Entering = 5,
        ScheduledOn = 6,
    };
    Q_ENUM(EnergyMode)

    /// How far the display is dimmed in a mode.
    enum DisplayConstrast : int {
        ContrastLow = 0,
        ContrastMedium = 1,
        ContrastHigh = 2,
    };
    Q_ENUM(DisplayConstrast)

    explicit EnergySavingSettings(QObject* parent = nullptr);
    ~EnergySavingSettings() override;

    bool enable() const { return m_enable; }
    void setEnable(bool enable) { m_enable = enable; }
    /// Minutes without use before the soft mode.
    int timeToSoftMode() const { return m_timeToSoftMode; }
    void setTimeToSoftMode(int minutes) { m_timeToSoftMode = minutes; }
    /// Minutes that waking from the deep mode takes.
    int wakeUpTimeFromDeep() const { return m_wakeUpTimeFromDeep; }
    void setWakeUpTimeFromDeep(int minutes) { m_wakeUpTimeFromDeep = minutes; }

    DisplayConstrast displayContrastValueSoftMode() const { return m_contrastSoft; }
    void setDisplayContrastValueSoftMode(DisplayConstrast contrast) { m_contrastSoft = contrast; }
    DisplayConstrast displayContrastValueDeepMode() const { return m_contrastDeep; }
    void setDisplayContrastValueDeepMode(DisplayConstrast contrast) { m_contrastDeep = contrast; }
    bool lightEnableSoftMode() const { return m_lightSoft; }
    void setLightEnableSoftMode(bool enable) { m_lightSoft = enable; }
    bool lightEnableDeepMode() const { return m_lightDeep; }
    void setLightEnableDeepMode(bool enable) { m_lightDeep = enable; }
    /// Boiler temperatures in tenths of a degree Celsius; 0 and no change for another boiler.
    int boilerTemperatureSoftMode(InputsOutputs::Boiler boiler) const;
    void setBoilerTemperatureSoftMode(InputsOutputs::Boiler boiler, int temperature);
    int boilerTemperatureDeepMode(InputsOutputs::Boiler boiler) const;
    void setBoilerTemperatureDeepMode(InputsOutputs::Boiler boiler, int temperature);

    /// The weekly schedule, in its order; owned by the settings.
    QList<TimeBandDataSettings*> states() const { return m_states; }
    /// Takes ownership; a state already held is not added twice.
    void addState(TimeBandDataSettings* state);
    void clearStates();
    /// Hands the schedule over to the caller, who then owns its switches; none are left.
    QList<TimeBandDataSettings*> takeStates();

    /// Reads the stored settings, the defaults where none is stored. A stored
    /// switch that is not one is logged and left out.
    void load(const SettingsStore& store);
    /// Stores every setting at once; false, with the store unchanged, when
    /// refused or when a switch would not read back.
    bool save(SettingsStore& store) const;

private:
    // Plain numbers for the properties, so that a contrast read back from a
    // property is checked before it is cast.
    int displayContrastSoftModeNumber() const { return m_contrastSoft; }
    void setDisplayContrastSoftModeNumber(int contrast);
    int displayContrastDeepModeNumber() const { return m_contrastDeep; }
    void setDisplayContrastDeepModeNumber(int contrast);
    int boiler0TemperatureSoftMode() const { return m_boilerSoft[0]; }
    void setBoiler0TemperatureSoftMode(int temperature) { m_boilerSoft[0] = temperature; }
    int boiler1TemperatureSoftMode() const { return m_boilerSoft[1]; }
    void setBoiler1TemperatureSoftMode(int temperature) { m_boilerSoft[1] = temperature; }
    int boiler0TemperatureDeepMode() const { return m_boilerDeep[0]; }
    void setBoiler0TemperatureDeepMode(int temperature) { m_boilerDeep[0] = temperature; }
    int boiler1TemperatureDeepMode() const { return m_boilerDeep[1]; }
    void setBoiler1TemperatureDeepMode(int temperature) { m_boilerDeep[1] = temperature; }

    bool m_enable = false;
    int m_timeToSoftMode = 30;
    int m_wakeUpTimeFromDeep = 10;
    DisplayConstrast m_contrastSoft = ContrastMedium;
    DisplayConstrast m_contrastDeep = ContrastLow;
    bool m_lightSoft = true;
    bool m_lightDeep = false;
    int m_boilerSoft[2] = { 850, 700 };
    int m_boilerDeep[2] = { 600, 500 };
    QList<TimeBandDataSettings*> m_states;
};
