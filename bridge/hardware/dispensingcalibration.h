#pragma once

#include "lea/hardware/dispensingcalibration.h"

namespace bridge {
namespace hardware {

/// Hands calibrations, group and brewer tests and test dispensings to the
/// machine's dispensing manager.
class DispensingCalibration : public lea::hardware::DispensingCalibration
{
    Q_OBJECT

public:
    explicit DispensingCalibration(QObject* parent);
    ~DispensingCalibration() override;

    void testEspressoGroup() override;
    void testTeaBrewer() override;
    void runFlowMeterCalibration() override;
    std::pair<int, int> flowMeterCalibrationRange() const override;
    void setFlowMeterCalibrationValue(int value) const override;
    /// Does nothing while the core only simulates the actuator board.
    void runHighSpeedPumpCalibration() override;
    void runLowSpeedPumpCalibration() override;
    /// False for a recipe the configuration does not hold; its type is then not looked at.
    bool dispenseTestRecipe(DispensingTestType type, const lea::RecipeDbId& recipeId) override;
    /// False, with a log line, when the machine has no canister for the ingredient.
    bool runLowSpeedCanisterCalibration(lea::products::Canisters::LogicalIngredient ingredient) override;
    bool runHighSpeedCanisterCalibration(lea::products::Canisters::LogicalIngredient ingredient) override;
    bool runGrinderVolumetricCalibration(
        lea::products::Canisters::LogicalIngredient ingredient, int count) override;
};

} // namespace hardware
} // namespace bridge
