#pragma once

#include <QJsonObject>
#include <QObject>

class SettingsStore;

/// The espresso group settings of a configuration, stored with the machine
/// settings under "espresso/..." keys. Setters change the values held here.
class EspressoSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool pregrinding READ pregrinding WRITE setPregrinding)
    Q_PROPERTY(bool grinderSensor READ grinderSensor WRITE setGrinderSensor)

public:
    explicit EspressoSettings(QObject* parent = nullptr);
    ~EspressoSettings() override;

    /// The grinder prepares the next dose after a dispensing.
    bool pregrinding() const { return m_pregrinding; }
    void setPregrinding(bool on) { m_pregrinding = on; }
    /// The grinder's sensor supervises the dose.
    bool grinderSensor() const { return m_grinderSensor; }
    void setGrinderSensor(bool on) { m_grinderSensor = on; }

    void load(const SettingsStore& store);
    /// The settings as the store keeps them.
    QJsonObject values() const;

private:
    bool m_pregrinding = false;
    bool m_grinderSensor = false;
};
