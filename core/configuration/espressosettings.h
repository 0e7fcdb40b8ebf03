#pragma once

#include <QJsonObject>
#include <QObject>

class SettingsStore;

/// The espresso settings of a configuration that the bridge changes.
/// Configuration::saveMachineSettings() stores them with the machine settings.
class EspressoSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int firstCoffeeBoostTime READ firstCoffeeBoostTime WRITE saveFirstCoffeeBoostTime)

public:
    explicit EspressoSettings(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    /// How long the espresso boiler is boosted before the first coffee.
    int firstCoffeeBoostTime() const { return m_firstCoffeeBoostTime; }
    /// Sets the time in memory; it is stored with the next save of the machine settings.
    void saveFirstCoffeeBoostTime(int time) { m_firstCoffeeBoostTime = time; }

    void load(const SettingsStore& store);
    /// The stored form, keyed as the store keeps it.
    QJsonObject values() const;

private:
    int m_firstCoffeeBoostTime = 0;
};
