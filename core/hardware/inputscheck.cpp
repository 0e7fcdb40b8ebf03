#include "core/hardware/inputscheck.h"

InputsCheck::InputsCheck(QObject* parent)
    : QObject(parent)
{
}

InputsCheck::~InputsCheck() = default;

bool InputsCheck::setTemperature_dC(int boiler, int temperature_dC)
{
    if (boiler < 0 || boiler >= BoilerCount)
        return false;
    if (temperature_dC == m_temperatures_dC.value(boiler))
        return true;
    m_temperatures_dC.insert(boiler, temperature_dC);
    emit temperatureChanged(boiler, temperature_dC);
    if (boiler == EspressoBoiler)
        emit eSBoilerMeasuredTempChanged();
    else if (boiler == InstantBoiler)
        emit iNBoilerMeasuredTempChanged();
    return true;
}

void InputsCheck::startReadingOnlyTemperatures(int interval_ms)
{
    if (interval_ms == m_temperatureReadingInterval)
        return;
    m_temperatureReadingInterval = interval_ms;
    emit temperatureReadingIntervalChanged(interval_ms);
}

void InputsCheck::stopReadingTimer()
{
    startReadingOnlyTemperatures(0);
}

bool InputsCheck::setInputStatusValue(MachineInputs input, const QVariant& value)
{
    if (input < FirstInput || input > LastInput)
        return false;
    const QVariant previous = m_inputStatus.value(input);
    if (previous.isValid() && previous.userType() == value.userType() && previous == value)
        return true;
    m_inputStatus.insert(input, value);
    emit inputStatusChanged(input, value);
    return true;
}
