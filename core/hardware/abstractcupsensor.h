#pragma once

#include <QObject>

/// The cup sensor of the dispensing area: whether a cup stands there and
/// whether the cup carrier is back home. The stand-in's sensor reports what
/// its setters were given.
class AbstractCupSensor : public QObject
{
    Q_OBJECT

public:
    /// How readily the sensor reports a cup.
    enum CupSensorSensibility : int {
        LowSensibility = 0,
        MediumSensibility = 1,
        HighSensibility = 2,
    };
    Q_ENUM(CupSensorSensibility)

    explicit AbstractCupSensor(QObject* parent = nullptr);
    ~AbstractCupSensor() override;

    /// A cup stands on any of the places the sensor watches; `force` asks the
    /// sensor for a new reading, which the stand-in does not need.
    bool isAnyCupPresent(bool force) const;
    void setCupPresent(bool present);

    bool isCupCarrierPositionHome() const { return m_carrierHome; }
    void setCupCarrierPositionHome(bool home);

signals:
    void cupPresenceChanged();
    void isCupCarrierPositionHomeChanged();

private:
    bool m_cupPresent = false;
    bool m_carrierHome = true;
};
