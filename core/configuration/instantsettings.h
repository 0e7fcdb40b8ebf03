#pragma once

#include <QJsonObject>
#include <QObject>

class SettingsStore;

/// The instant-drink settings of a configuration that the bridge changes.
/// Configuration::saveMachineSettings() stores them with the machine settings.
class InstantSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int boilerInstantTemperature READ boilerInstantTemperature WRITE setBoilerInstantTemperature)

public:
    explicit InstantSettings(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    /// The instant boiler's set-point, in tenths of a degree Celsius.
    int boilerInstantTemperature() const { return m_boilerInstantTemperature; }
    void setBoilerInstantTemperature(int temperature) { m_boilerInstantTemperature = temperature; }

    void load(const SettingsStore& store);
    /// The stored form, keyed as the store keeps it.
    QJsonObject values() const;

private:
    int m_boilerInstantTemperature = 900;
};
