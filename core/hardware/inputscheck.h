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
    void inputStatusChanged(InputsCheck::MachineInputs input, const QVariant& value);
    void allInputsReadingStarted();

private:
    QMap<int, int> m_temperatures_dC;
    QMap<MachineInputs, QVariant> m_inputStatus;
};
