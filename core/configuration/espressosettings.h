#pragma once

#include <QJsonObject>
#include <QObject>

class SettingsStore;

/// The espresso settings of a configuration, stored with the machine settings
/// under "espresso/..." keys by Configuration::saveMachineSettings(). Setters
/// change the values held here.
class EspressoSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool pregrinding READ pregrinding WRITE setPregrinding)
    Q_PROPERTY(bool grinderSensor READ grinderSensor WRITE setGrinderSensor)
    Q_PROPERTY(int firstCoffeeBoostTime READ firstCoffeeBoostTime WRITE saveFirstCoffeeBoostTime)

public:
    explicit EspressoSettings(QObject* parent = nullptr);
    ~EspressoSettings() override;

    /// The grinder prepares the next dose after a dispensing.
    bool pregrinding() const { return m_pregrinding; }
    void setPregrinding(bool on) { m_pregrinding = on; }
    /// The grinder's sensor supervises the dose.
    bool grinderSensor() const { return m_grinderSensor; }
    void setGrinderSensor(bool on) { m_grinderSensor = on; }
    /// How long the espresso boiler is boosted before the first coffee.
    int firstCoffeeBoostTime() const { return m_firstCoffeeBoostTime; }
    /// Sets the time in memory; it is stored with the next save of the machine settings.
    void saveFirstCoffeeBoostTime(int time) { m_firstCoffeeBoostTime = time; }

    void load(const SettingsStore& store);
    /// The settings as the store keeps them.
    QJsonObject values() const;
    /// The boiler boost settings among them.
    QJsonObject boostValues() const;

private:
    bool m_pregrinding = false;
    bool m_grinderSensor = false;
    int m_firstCoffeeBoostTime = 0;
};
