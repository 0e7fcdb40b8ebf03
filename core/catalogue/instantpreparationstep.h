#pragma once

#include "core/catalogue/abstractpreparationstep.h"

/// Powders and water stirred in a mixer bowl.
class InstantPreparationStep : public AbstractPreparationStep
{
    Q_OBJECT
    Q_PROPERTY(MixerSpeed mixerSpeed READ mixerSpeed WRITE setMixerSpeed)
    Q_PROPERTY(bool mixerAbsoluteMixTime READ mixerAbsoluteMixTime WRITE setMixerAbsoluteMixTime)

public:
    enum MixerSpeed : int {
        LowMixerSpeed = 0,
        MediumMixerSpeed = 1,
        HighMixerSpeed = 2,
    };
    Q_ENUM(MixerSpeed)

    explicit InstantPreparationStep(QObject* parent = nullptr);

    MixerSpeed mixerSpeed() const { return m_mixerSpeed; }
    void setMixerSpeed(MixerSpeed speed) { m_mixerSpeed = speed; }

    /// The mixer runs for a fixed time rather than as long as the water flows.
    bool mixerAbsoluteMixTime() const { return m_absoluteMixTime; }
    void setMixerAbsoluteMixTime(bool absolute) { m_absoluteMixTime = absolute; }

    double maxIngredientDose() const override { return 60.0; }

private:
    MixerSpeed m_mixerSpeed = MediumMixerSpeed;
    bool m_absoluteMixTime = false;
};
