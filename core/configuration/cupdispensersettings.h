#pragma once

#include <QObject>

class SettingsStore;

/// The cup dispenser timings of a configuration, kept under "cupDispenser/..."
/// keys. Setters change the values held here and announce nothing: whoever
/// stores them with Configuration::saveCupDispenserSettings() sends the change
/// signals once the store has them.
class CupDispenserSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int cupSettlingTime READ cupSettlingTime WRITE setCupSettlingTime)
    Q_PROPERTY(int waitingCupPresenceTime READ waitingCupPresenceTime WRITE setWaitingCupPresenceTime)

public:
    explicit CupDispenserSettings(QObject* parent = nullptr);
    ~CupDispenserSettings() override;

    /// How long a dropped cup takes to settle.
    int cupSettlingTime() const { return m_cupSettlingTime; }
    void setCupSettlingTime(int time) { m_cupSettlingTime = time; }
    /// How long the machine waits for a cup to be present.
    int waitingCupPresenceTime() const { return m_waitingCupPresenceTime; }
    void setWaitingCupPresenceTime(int time) { m_waitingCupPresenceTime = time; }

    /// The customer chooses where the drink is delivered (set by the operator's tools).
    bool chooseWhereDelivery() const { return m_chooseWhereDelivery; }
    void setChooseWhereDelivery(bool choose) { m_chooseWhereDelivery = choose; }

    void load(const SettingsStore& store);
    /// Stores both timings at once; false, with the store unchanged, when refused.
    bool save(SettingsStore& store) const;

signals:
    void cupSettlingTimeChanged();
    void waitingCupPresenceTimeChanged();

private:
    int m_cupSettlingTime = 0;
    int m_waitingCupPresenceTime = 0;
    bool m_chooseWhereDelivery = false;
};
