#pragma once

#include "core/catalogue/abstractingredient.h"

/// A powder dosed by a canister's auger into the mixer bowl.
class InstantIngredient : public AbstractIngredient
{
    Q_OBJECT
    Q_PROPERTY(int powderSpeed READ powderSpeed WRITE setPowderSpeed)

public:
    /// How the auger runs while dosing; NoPowderCycle: continuously.
    enum PowderCycle : int {
        NoPowderCycle = -1,
        PulsedPowderCycle = 0,
        TimedPowderCycle = 1,
    };

    explicit InstantIngredient(QObject* parent = nullptr);

    /// Auger speed, within the canister's calibration range.
    int powderSpeed() const { return m_powderSpeed; }
    void setPowderSpeed(int speed) { m_powderSpeed = speed; }
    /// The canister's calibration maximum; kDefaultMaxPowderSpeed without a canister.
    int maxPowderSpeed() const;

    PowderCycle powderCycle() const { return m_powderCycle; }
    int powderCycleValue() const { return m_powderCycleValue; }
    void setPowderCycle(PowderCycle cycle, int value);

    static constexpr int kDefaultMaxPowderSpeed = 100;

private:
    int m_powderSpeed = 50;
    PowderCycle m_powderCycle = NoPowderCycle;
    int m_powderCycleValue = 0;
};
