#pragma once

#include <QString>

/// Table and column names of the catalogue in the configuration group's
/// database, as core/database/schema.sql creates them. Stored databases rely
/// on them: add names, never change one.
namespace CatalogueTables {

/// The row id of every table that has one.
inline const QString Id = QStringLiteral("id");

namespace Images {
inline const QString Table = QStringLiteral("Images");
inline const QString Entity = QStringLiteral("entity");
inline const QString Type = QStringLiteral("type");
inline const QString OwnerId = QStringLiteral("owner_id");
inline const QString Data = QStringLiteral("data");
} // namespace Images

namespace Recipes {
inline const QString Table = QStringLiteral("Recipes");
inline const QString Name = QStringLiteral("name");
inline const QString HasCup = QStringLiteral("has_cup");
inline const QString HasStirrer = QStringLiteral("has_stirrer");
inline const QString DripTimeCs = QStringLiteral("drip_time_cs");
inline const QString CupType = QStringLiteral("cup_type");
inline const QString CupTurret = QStringLiteral("cup_turret");
inline const QString Hidden = QStringLiteral("hidden");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace Recipes

namespace PreparationSteps {
inline const QString Table = QStringLiteral("PreparationSteps");
inline const QString Type = QStringLiteral("type");
inline const QString Description = QStringLiteral("description");
inline const QString WaterType = QStringLiteral("water_type");
inline const QString WaterDose = QStringLiteral("water_dose");
inline const QString WaterSpeed = QStringLiteral("water_speed");
inline const QString StartDelayCs = QStringLiteral("start_delay_cs");
inline const QString MixerSpeed = QStringLiteral("mixer_speed");
inline const QString AbsoluteMixTime = QStringLiteral("absolute_mix_time");
inline const QString PreInfusionDose = QStringLiteral("pre_infusion_dose");
inline const QString PreInfusionTime = QStringLiteral("pre_infusion_time");
inline const QString SqueezeEnabled = QStringLiteral("squeeze_enabled");
inline const QString PressureCurrent = QStringLiteral("pressure_current");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace PreparationSteps

/// The step chain: each link names the step it follows (-1: first).
namespace RecipeSteps {
inline const QString Table = QStringLiteral("Recipe_Steps");
inline const QString RecipeId = QStringLiteral("recipe_id");
inline const QString StepId = QStringLiteral("step_id");
inline const QString PreviousStepId = QStringLiteral("previous_step_id");
} // namespace RecipeSteps

namespace Ingredients {
inline const QString Table = QStringLiteral("Ingredients");
inline const QString StepId = QStringLiteral("step_id");
inline const QString Position = QStringLiteral("position");
inline const QString Type = QStringLiteral("type");
inline const QString LogicalCanisterId = QStringLiteral("logical_canister_id");
inline const QString ProductId = QStringLiteral("product_id");
inline const QString Dose = QStringLiteral("dose");
inline const QString PowderSpeed = QStringLiteral("powder_speed");
inline const QString PowderCycle = QStringLiteral("powder_cycle");
inline const QString PowderCycleValue = QStringLiteral("powder_cycle_value");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace Ingredients

namespace Customizations {
inline const QString Table = QStringLiteral("Customizations");
inline const QString Type = QStringLiteral("type");
inline const QString Name = QStringLiteral("name");
inline const QString DefaultIndex = QStringLiteral("default_index");
inline const QString HundredPercentIndex = QStringLiteral("hundred_percent_index");
inline const QString StepCount = QStringLiteral("step_count");
inline const QString CostVariation = QStringLiteral("cost_variation");
inline const QString Horizontal = QStringLiteral("horizontal");
inline const QString ParameterKind = QStringLiteral("parameter_kind");
inline const QString Icon = QStringLiteral("icon");
inline const QString ParameterMin = QStringLiteral("parameter_min");
inline const QString ParameterMax = QStringLiteral("parameter_max");
inline const QString Enabled = QStringLiteral("enabled");
inline const QString Available = QStringLiteral("available");
inline const QString AdjustmentRequired = QStringLiteral("adjustment_required");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace Customizations

namespace RecipeCustomizations {
inline const QString Table = QStringLiteral("Recipe_Customizations");
inline const QString RecipeId = QStringLiteral("recipe_id");
inline const QString CustomizationId = QStringLiteral("customization_id");
inline const QString Position = QStringLiteral("position");
} // namespace RecipeCustomizations

namespace Adjustments {
inline const QString Table = QStringLiteral("Adjustments");
inline const QString RecipeId = QStringLiteral("recipe_id");
inline const QString CustomizationId = QStringLiteral("customization_id");
inline const QString Type = QStringLiteral("type");
inline const QString LogicalCanisterId = QStringLiteral("logical_canister_id");
inline const QString StepType = QStringLiteral("step_type");
inline const QString DeltaMin = QStringLiteral("delta_min");
inline const QString DeltaMax = QStringLiteral("delta_max");
inline const QString Quantity = QStringLiteral("quantity");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace Adjustments

namespace Canisters {
inline const QString Table = QStringLiteral("Canisters");
inline const QString LogicalCanisterId = QStringLiteral("logical_canister_id");
inline const QString Name = QStringLiteral("name");
inline const QString ProductName = QStringLiteral("product_name");
inline const QString Type = QStringLiteral("type");
inline const QString Allergens = QStringLiteral("allergens");
inline const QString Enabled = QStringLiteral("enabled");
inline const QString CalibrationMin = QStringLiteral("calibration_min");
inline const QString CalibrationMax = QStringLiteral("calibration_max");
inline const QString EmptyCheckEnabled = QStringLiteral("empty_check_enabled");
inline const QString LevelSensorEnabled = QStringLiteral("level_sensor_enabled");
inline const QString GramsEmptyThreshold = QStringLiteral("grams_empty_threshold");
inline const QString WeightWhenFull = QStringLiteral("weight_when_full");
inline const QString CurrentLevel = QStringLiteral("current_level");
} // namespace Canisters

namespace GeneralSettings {
inline const QString Table = QStringLiteral("General_Settings");
inline const QString ConfigurationId = QStringLiteral("configuration_id");
inline const QString GlobalAllergens = QStringLiteral("global_allergens");
} // namespace GeneralSettings

namespace Categories {
inline const QString Table = QStringLiteral("Categories");
inline const QString Type = QStringLiteral("type");
inline const QString Title = QStringLiteral("title");
inline const QString GridRows = QStringLiteral("grid_rows");
inline const QString GridColumns = QStringLiteral("grid_columns");
inline const QString Displayed = QStringLiteral("displayed");
inline const QString DisplayOrder = QStringLiteral("display_order");
inline const QString ImageSource = QStringLiteral("image_source");
inline const QString ImageHash = QStringLiteral("image_hash");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace Categories

namespace CategoryProducts {
inline const QString Table = QStringLiteral("Category_Products");
inline const QString CategoryId = QStringLiteral("category_id");
inline const QString Position = QStringLiteral("position");
inline const QString ProductId = QStringLiteral("product_id");
} // namespace CategoryProducts

namespace CategoryScreen {
inline const QString Table = QStringLiteral("Category_Screen");
inline const QString ConfigurationId = QStringLiteral("configuration_id");
inline const QString Enabled = QStringLiteral("enabled");
inline const QString FirstLayoutValue = QStringLiteral("first_layout_value");
inline const QString SecondLayoutValue = QStringLiteral("second_layout_value");
} // namespace CategoryScreen

namespace Beverages {
inline const QString Table = QStringLiteral("Beverages");
inline const QString ConfigurationId = QStringLiteral("configuration_id");
inline const QString RecipeId = QStringLiteral("recipe_id");
} // namespace Beverages

namespace Products {
inline const QString Table = QStringLiteral("Products");
inline const QString ConfigurationId = QStringLiteral("configuration_id");
inline const QString Type = QStringLiteral("type");
inline const QString Name = QStringLiteral("name");
inline const QString Displayed = QStringLiteral("displayed");
inline const QString Enabled = QStringLiteral("enabled");
inline const QString Attributes = QStringLiteral("attributes");
inline const QString ItemNumber = QStringLiteral("item_number");
inline const QString TypeValue = QStringLiteral("type_value");
inline const QString PlaylistId = QStringLiteral("playlist_id");
inline const QString Image = QStringLiteral("image");
inline const QString DispensingImage = QStringLiteral("dispensing_image");
inline const QString ImageHash = QStringLiteral("image_hash");
inline const QString StatusInfo = QStringLiteral("status_info");
inline const QString Customizable = QStringLiteral("customizable");
inline const QString BlockingFailures = QStringLiteral("blocking_failures");
inline const QString JugEnabled = QStringLiteral("jug_enabled");
inline const QString JugDefault = QStringLiteral("jug_default");
inline const QString JugMinCycles = QStringLiteral("jug_min_cycles");
inline const QString JugMaxCycles = QStringLiteral("jug_max_cycles");
inline const QString JugDefaultCycles = QStringLiteral("jug_default_cycles");
inline const QString LidId = QStringLiteral("lid_id");
inline const QString UpsellingEnabled = QStringLiteral("upselling_enabled");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace Products

namespace BeverageUpsellings {
inline const QString Table = QStringLiteral("Beverage_Upsellings");
inline const QString BeverageId = QStringLiteral("beverage_id");
inline const QString Position = QStringLiteral("position");
inline const QString ItemId = QStringLiteral("item_id");
} // namespace BeverageUpsellings

/// The upselling part of a product of type 6; the row id is the product's.
namespace UpsellingItems {
inline const QString Table = QStringLiteral("Upselling_Items");
inline const QString Kind = QStringLiteral("kind");
inline const QString UpsellingType = QStringLiteral("upselling_type");
inline const QString ItemValue = QStringLiteral("item_value");
inline const QString Active = QStringLiteral("active");
inline const QString LogicalCanisterId = QStringLiteral("logical_canister_id");
inline const QString SyrupValue = QStringLiteral("syrup_value");
inline const QString LinkedProductId = QStringLiteral("linked_product_id");
inline const QString CtgLid = QStringLiteral("ctg_lid");
} // namespace UpsellingItems

/// The products a promotion bundles, in position order; a product may repeat.
namespace PromotionProducts {
inline const QString Table = QStringLiteral("Promotion_Products");
inline const QString PromotionId = QStringLiteral("promotion_id");
inline const QString Position = QStringLiteral("position");
inline const QString ProductId = QStringLiteral("product_id");
} // namespace PromotionProducts

/// The coffee-to-go part of a product of type 5; the row id is the product's.
namespace CoffeesToGo {
inline const QString Table = QStringLiteral("Coffee_To_Go_Products");
inline const QString Value = QStringLiteral("value");
} // namespace CoffeesToGo

/// A product's price table: one row per time band and payment type that has a price or line.
namespace ProductPrices {
inline const QString Table = QStringLiteral("Product_Prices");
inline const QString ProductId = QStringLiteral("product_id");
inline const QString Band = QStringLiteral("band");
inline const QString PaymentType = QStringLiteral("payment_type");
inline const QString Price = QStringLiteral("price");
inline const QString ExecutiveLine = QStringLiteral("executive_line");
} // namespace ProductPrices

namespace VideoPlaylists {
inline const QString Table = QStringLiteral("VideoPlaylists");
inline const QString Name = QStringLiteral("name");
inline const QString TypeFlags = QStringLiteral("typeFlags");
inline const QString Mode = QStringLiteral("mode");
inline const QString Type = QStringLiteral("type");
inline const QString AmiCloId = QStringLiteral("amiclo_id");
inline const QString Random = QStringLiteral("random");
inline const QString ManagementOption = QStringLiteral("management_option");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace VideoPlaylists

namespace PlaylistMediaItems {
inline const QString Table = QStringLiteral("Playlist_Media_Items");
inline const QString Type = QStringLiteral("type");
inline const QString Source = QStringLiteral("source");
inline const QString Name = QStringLiteral("name");
inline const QString TimeInSec = QStringLiteral("time_in_sec");
inline const QString ExtraText = QStringLiteral("extra_text");
} // namespace PlaylistMediaItems

/// The media items each playlist lists, in position order.
namespace PlaylistMedias {
inline const QString Table = QStringLiteral("VideoPlaylist_Medias");
inline const QString PlaylistId = QStringLiteral("playlist_id");
inline const QString Position = QStringLiteral("position");
inline const QString MediaId = QStringLiteral("media_id");
} // namespace PlaylistMedias

/// The filters of the selection screen, in position order.
namespace ProductFilters {
inline const QString Table = QStringLiteral("Product_Filters");
inline const QString Position = QStringLiteral("position");
inline const QString Name = QStringLiteral("name");
inline const QString AttributeBit = QStringLiteral("attribute_bit");
inline const QString FilterNumber = QStringLiteral("filter_number");
inline const QString FirstFlag = QStringLiteral("first_flag");
inline const QString SecondFlag = QStringLiteral("second_flag");
} // namespace ProductFilters

/// Nutritional values of canisters and snacks, in position order per owner.
namespace NutritionalValues {
inline const QString Table = QStringLiteral("Nutritional_Values");
inline const QString OwnerType = QStringLiteral("owner_type");
inline const QString OwnerId = QStringLiteral("owner_id");
inline const QString Position = QStringLiteral("position");
inline const QString Name = QStringLiteral("name");
inline const QString Value = QStringLiteral("value");
inline const QString Unit = QStringLiteral("unit");
} // namespace NutritionalValues

namespace NutritionalOwners {
inline const QString Table = QStringLiteral("Nutritional_Owners");
inline const QString OwnerType = QStringLiteral("owner_type");
inline const QString OwnerId = QStringLiteral("owner_id");
inline const QString Image = QStringLiteral("image");
inline const QString Allergens = QStringLiteral("allergens");
} // namespace NutritionalOwners

} // namespace CatalogueTables
