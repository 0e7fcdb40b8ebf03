#pragma once

#include <QMap>
#include <QObject>

/// The machine's analogue inputs as the controller board reads them: for now
/// the temperature of each boiler.
class InputsCheck : public QObject
{
    Q_OBJECT

public:
    /// Boilers are numbered from 0; the machine has this many.
    static constexpr int BoilerCount = 3;

    explicit InputsCheck(QObject* parent = nullptr);
    ~InputsCheck() override;

    /// The last temperature read from `boiler`, in tenths of a degree Celsius;
    /// 0 before any reading and for a boiler the machine does not have.
    int temperature_dC(int boiler) const { return m_temperatures_dC.value(boiler); }
    /// A new reading of `boiler`; false (and nothing changes) for a boiler the
    /// machine does not have.
    bool setTemperature_dC(int boiler, int temperature_dC);

signals:
    void temperatureChanged(int boiler, int temperature_dC);

private:
    QMap<int, int> m_temperatures_dC;
};
