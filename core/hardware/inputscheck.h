#pragma once

#include <QMap>
#include <QObject>
#include <QVariant>

/// The machine's inputs as the controller board reads them: the temperature of
/// each boiler and the status of each digital input (switches, level sensors).
class InputsCheck : public QObject
{
    Q_OBJECT

public:
    /// Boilers are numbered from 0; the machine has this many.
    static constexpr int BoilerCount = 3;
    static constexpr int EspressoBoiler = 0;
    static constexpr int InstantBoiler = 1;
    /// Its reading is the board's raw steam value, ten times finer than shown.
    static constexpr int SteamBoiler = 2;

    /// The digital inputs, numbered from 0; the machine has InputCount of them.
    enum MachineInputs : int {
        FirstInput = 0,
        LastInput = 49,
    };
    static constexpr int InputCount = LastInput + 1;

    explicit InputsCheck(QObject* parent = nullptr);
    ~InputsCheck() override;

    /// The last temperature read from `boiler`, in tenths of a degree Celsius;
    /// 0 before any reading and for a boiler the machine does not have.
    int temperature_dC(int boiler) const { return m_temperatures_dC.value(boiler); }
    /// A new reading of `boiler`; false (and nothing changes) for a boiler the
    /// machine does not have.
    bool setTemperature_dC(int boiler, int temperature_dC);

    int espressoBoilerTemperature() const { return temperature_dC(EspressoBoiler); }
    int instantBoilerTemperature() const { return temperature_dC(InstantBoiler); }
    int steamBoilerValue() const { return temperature_dC(SteamBoiler); }

    /// What the board reads on each cycle: 0 every input, 1 the boiler
    /// temperatures only, and so on as the board defines.
    int readingMode() const { return m_readingMode; }
    void setReadingMode(int mode) { m_readingMode = mode; }
    /// Asks the board for the analogue inputs (the temperatures) once; the
    /// readings arrive later through setTemperature_dC().
    void refreshABInputs()
    {
        ++m_refreshRequests;
        emit abInputsRefreshRequested();
    }
    /// How many refreshes were asked for since the machine started.
    int refreshRequests() const { return m_refreshRequests; }
    /// Reads the temperatures only, every `interval_ms`, until stopReadingTimer().
    void startReadingOnlyTemperatures(int interval_ms);
    void stopReadingTimer();
    /// The reading interval while only temperatures are read; 0 when stopped.
    int temperatureReadingInterval() const { return m_temperatureReadingInterval; }

    /// The last status read from `input`: a bool, or one of the texts of
    /// InputStatus; invalid before any reading.
    QVariant getInputStatusValue(MachineInputs input) const { return m_inputStatus.value(input); }
    /// A new reading of `input`; false (and nothing changes) for an input the
    /// machine does not have.
    bool setInputStatusValue(MachineInputs input, const QVariant& value);

    /// Asks the board for every input; the readings arrive later through
    /// setInputStatusValue().
    void startReadingAllInputs() { emit allInputsReadingStarted(); }

signals:
    void temperatureChanged(int boiler, int temperature_dC);
    void eSBoilerMeasuredTempChanged();
    void iNBoilerMeasuredTempChanged();
    void abInputsRefreshRequested();
    void temperatureReadingIntervalChanged(int interval_ms);
    void inputStatusChanged(InputsCheck::MachineInputs input, const QVariant& value);
    void allInputsReadingStarted();

private:
    QMap<int, int> m_temperatures_dC;
    int m_readingMode = 0;
    int m_refreshRequests = 0;
    int m_temperatureReadingInterval = 0;
    QMap<MachineInputs, QVariant> m_inputStatus;
};
