#pragma once

#include "lea/ids.h"
#include "lea/products/canisters.h"

#include <cstdint>
#include <QObject>
#include <utility>

namespace lea {
namespace hardware {

/// Accessor of dispensing calibration: group and brewer tests, flow-meter,
/// pump, canister and grinder calibrations and test dispensings. Results of
/// the calibrations themselves come from the machine, not from here.
class DispensingCalibration : public QObject
{
    Q_OBJECT

public:
    /// What a test dispensing of a recipe checks, numbered from
    /// FirstDispensingTest to LastDispensingTest.
    enum DispensingTestType : int32_t {
        FirstDispensingTest = 0,
        LastDispensingTest = 4,
    };
    Q_ENUM(DispensingTestType)

    ~DispensingCalibration() override = default;

    virtual void testEspressoGroup() = 0;
    virtual void testTeaBrewer() = 0;
    virtual void runFlowMeterCalibration() = 0;
    /// The lowest and highest value setFlowMeterCalibrationValue() takes.
    virtual std::pair<int, int> flowMeterCalibrationRange() const = 0;
    virtual void setFlowMeterCalibrationValue(int value) const = 0;
    virtual void runHighSpeedPumpCalibration() = 0;
    virtual void runLowSpeedPumpCalibration() = 0;
    /// Whether the machine started a test dispensing of the recipe.
    virtual bool dispenseTestRecipe(DispensingTestType type, const lea::RecipeDbId& recipeId) = 0;
    /// Whether the machine started calibrating the canister of the ingredient.
    virtual bool runLowSpeedCanisterCalibration(lea::products::Canisters::LogicalIngredient ingredient) = 0;
    virtual bool runHighSpeedCanisterCalibration(lea::products::Canisters::LogicalIngredient ingredient) = 0;
    /// Whether the machine started `count` volumetric grinder calibration doses.
    virtual bool runGrinderVolumetricCalibration(
        lea::products::Canisters::LogicalIngredient ingredient, int count)
        = 0;

protected:
    explicit DispensingCalibration(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
