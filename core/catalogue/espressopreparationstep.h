#pragma once

#include "core/catalogue/abstractpreparationstep.h"

/// Coffee brewed in the espresso group. The flowmeter counts the water in
/// pulses of half a millilitre.
class EspressoPreparationStep : public AbstractPreparationStep
{
    Q_OBJECT
    Q_PROPERTY(int preInfusionDose READ preInfusionDose WRITE setPreInfusionDose)
    Q_PROPERTY(int preInfusionTime READ preInfusionTime WRITE setPreInfusionTime)
    Q_PROPERTY(bool squeezeEnabled READ squeezeEnabled WRITE setSqueezeEnabled)
    Q_PROPERTY(CurrentValue pressureCurrent READ pressureCurrent WRITE setPressureCurrent)

public:
    /// The brewer's pressing force.
    enum CurrentValue : int {
        LowCurrent = 0,
        MediumCurrent = 1,
        HighCurrent = 2,
    };
    Q_ENUM(CurrentValue)

    /// `type` is EspressoStep, LongEspressoStep or ShortEspressoStep; another
    /// type is taken as EspressoStep.
    explicit EspressoPreparationStep(PreparationStepType type = EspressoStep, QObject* parent = nullptr);

    DoseUnity doseUnity() const override { return FlowmeterPulses; }
    int dose() const override;
    void setDose(int millilitres) override;
    int maxWaterVolume_ml() const override { return 250; }

    double minIngredientDose() const override { return 5.0; }
    double maxIngredientDose() const override { return 25.0; }

    /// Water wetting the coffee before the extraction, in pulses.
    int preInfusionDose() const { return m_preInfusionDose; }
    void setPreInfusionDose(int dose) { m_preInfusionDose = dose; }
    /// Pause after the pre-infusion, in milliseconds.
    int preInfusionTime() const { return m_preInfusionTime; }
    void setPreInfusionTime(int time) { m_preInfusionTime = time; }

    bool squeezeEnabled() const { return m_squeezeEnabled; }
    void setSqueezeEnabled(bool enabled) { m_squeezeEnabled = enabled; }

    CurrentValue pressureCurrent() const { return m_pressureCurrent; }
    void setPressureCurrent(CurrentValue current) { m_pressureCurrent = current; }

    static constexpr int kPulsesPerMillilitre = 2;

private:
    int m_preInfusionDose = 0;
    int m_preInfusionTime = 0;
    bool m_squeezeEnabled = false;
    CurrentValue m_pressureCurrent = MediumCurrent;
};
