#include "bridge/products/customizations.h"

#include "bridge/products/customizationconverter.h"
#include "bridge/products/customizationiconenumconverter.h"
#include "bridge/products/customizationshelper.h"
#include "bridge/products/customizationtypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/steptypeenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/powderdosageadjustment.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/waterdosageadjustment.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/selection/userselectionmanager.h"

namespace bridge {
namespace products {

namespace {

using utils::withConfiguration;

void logProductFailure(LogLevel::Level level, const char* signature, const char* text)
{
    LogFormatter(level).log(Log::Product) << signature << text;
}

Recipe* selectionRecipe()
{
    const UserSelectionManager* manager = gCoreEnv->userSelectionManager();
    return manager ? manager->selectionRecipe() : nullptr;
}

/// The deltas and text of a powder or water adjustment, read and written alike.
struct AdjustmentLimits
{
    int deltaMin = 0;
    int deltaMax = 0;
    nonstd::optional<QString> extraText;
};

AdjustmentLimits limitsOf(const AbstractCustomizationAdjustment& adjustment)
{
    AdjustmentLimits limits;
    limits.extraText = adjustment.extraText();
    if (const auto* powder = qobject_cast<const PowderDosageAdjustment*>(&adjustment)) {
        limits.deltaMin = powder->powderDeltaMin();
        limits.deltaMax = powder->powderDeltaMax();
    } else if (const auto* water = qobject_cast<const WaterDosageAdjustment*>(&adjustment)) {
        limits.deltaMin = water->waterDeltaMin();
        limits.deltaMax = water->waterDeltaMax();
    }
    return limits;
}

void setLimits(AbstractCustomizationAdjustment& adjustment, const AdjustmentLimits& limits)
{
    adjustment.setExtraText(limits.extraText);
    if (auto* powder = qobject_cast<PowderDosageAdjustment*>(&adjustment)) {
        powder->setPowderDeltaMin(limits.deltaMin);
        powder->setPowderDeltaMax(limits.deltaMax);
    } else if (auto* water = qobject_cast<WaterDosageAdjustment*>(&adjustment)) {
        water->setWaterDeltaMin(limits.deltaMin);
        water->setWaterDeltaMax(limits.deltaMax);
    }
}

/// The limits that `record` asks of `adjustment`, when the record carries the
/// part of the adjustment's kind.
nonstd::optional<AdjustmentLimits> requestedLimits(const AbstractCustomizationAdjustment& adjustment,
    const lea::products::Customizations::Adjustment& record)
{
    if (record.powder && adjustment.type() == AbstractCustomizationAdjustment::PowderDosage)
        return AdjustmentLimits { record.powder->deltaMin, record.powder->deltaMax, record.extraText };
    if (record.water && adjustment.type() == AbstractCustomizationAdjustment::WaterDosage)
        return AdjustmentLimits { record.water->deltaMin, record.water->deltaMax, record.extraText };
    return nonstd::nullopt;
}

const PowderDosageAdjustment* asPowderAdjustment(const AbstractCustomizationAdjustment* adjustment)
{
    if (!adjustment || adjustment->type() != AbstractCustomizationAdjustment::PowderDosage)
        return nullptr;
    return qobject_cast<const PowderDosageAdjustment*>(adjustment);
}

} // namespace

Customizations::Customizations(QObject* parent)
    : lea::products::Customizations(parent)
{
    connectCommonCustomization(Sugar);
    connectCommonCustomization(Cup);
    if (UserSelectionManager* manager = gCoreEnv->userSelectionManager()) {
        connect(manager, &UserSelectionManager::sugarPreselectionChanged, this,
            [this] { connectCommonCustomization(Sugar); });
        connect(manager, &UserSelectionManager::cupPreselectionChanged, this,
            [this] { connectCommonCustomization(Cup); });
    }
}

Customizations::~Customizations() = default;

nonstd::optional<Customizations::Customization> Customizations::customization(lea::CustomizationDbId id) const
{
    return withConfiguration(
        __PRETTY_FUNCTION__, [&](Configuration& configuration) -> nonstd::optional<Customization> {
            if (const RecipeCustomization* found = getCoreCustomization(id, &configuration))
                return CustomizationConverter::coreCustomizationToLeaCustomization(*found);
            return nonstd::nullopt;
        });
}

nonstd::optional<std::vector<Customizations::Customization>> Customizations::currentCustomizations() const
{
    std::vector<Customization> customizations;
    if (const Recipe* recipe = selectionRecipe()) {
        for (const RecipeCustomization* customization : recipe->customizations())
            customizations.push_back(
                CustomizationConverter::coreCustomizationToLeaCustomization(*customization));
    }
    return customizations;
}

nonstd::optional<lea::CustomizationDbId> Customizations::addCustomization(
    const Customization& record, lea::RecipeDbId recipeId)
{
    const char* const signature = __PRETTY_FUNCTION__;
    return withConfiguration(
        signature, [&](Configuration& configuration) -> nonstd::optional<lea::CustomizationDbId> {
            Recipe* recipe = configuration.recipe(static_cast<int>(recipeId.value()));
            if (!recipe) {
                logProductFailure(LogLevel::Warning, signature, "Recipe not found in configuration");
                return nonstd::nullopt;
            }
            std::unique_ptr<RecipeCustomization> customization = createCoreCustomization(record);
            if (!configuration.saveCustomization(customization.get(), recipe->dbId())) {
                logProductFailure(LogLevel::Warning, signature, "Failed saving customization to database");
                return nonstd::nullopt;
            }
            // Only a stored customization gets its translations.
            utils::updateTranslations(record.name, TypedString::CustomizationName, record.translations);
            const int newId = customization->dbId();
            if (recipe->addCustomization(customization.get()))
                customization.release();
            return utils::idFromCore<lea::CustomizationDbId>(newId);
        });
}

void Customizations::setCurrentCustomizationStep(const Customization& record)
{
    const RecipeCustomization::CustomizationType type
        = CustomizationTypeEnumConverter::toInternalOrThrow(record.type);
    const Recipe* recipe = selectionRecipe();
    if (!recipe)
        return;
    if (RecipeCustomization* customization = recipe->customizationByType(type)) {
        customization->setCurrentChoiceIndex(record.currentChoiceIndex);
        customization->setForcedIndex(record.currentChoiceIndex);
    }
}

void Customizations::updateCustomization(lea::CustomizationDbId id, const Customization& record)
{
    const char* const signature = __PRETTY_FUNCTION__;
    withConfiguration(signature, [&](Configuration& configuration) {
        if (!getCoreCustomization(id, &configuration)) {
            logProductFailure(LogLevel::Error, signature, "can't find requested customization");
            return;
        }
        // The loaded object is left as it is: the stored row alone is replaced.
        std::unique_ptr<RecipeCustomization> replacement = createCoreCustomization(record);
        replacement->setDbId(static_cast<int>(id.value()));
        if (!configuration.saveCustomization(replacement.get(), -1)) {
            logProductFailure(LogLevel::Warning, signature, "Failed saving customization to database");
            return;
        }
        utils::updateTranslations(record.name, TypedString::CustomizationName, record.translations);
    });
}

void Customizations::deleteCustomization(lea::CustomizationDbId id)
{
    withConfiguration(
        __PRETTY_FUNCTION__, [&](Configuration&) { CustomizationsHelper::deleteCustomizationImp(id); });
}

nonstd::optional<Customizations::Adjustment> Customizations::adjustment(
    lea::CustomizationAdjustmentDbId id) const
{
    return withConfiguration(
        __PRETTY_FUNCTION__, [&](Configuration& configuration) -> nonstd::optional<Adjustment> {
            if (const AbstractCustomizationAdjustment* found = getCoreAdjustment(id, &configuration))
                return CustomizationConverter::coreAdjustmentToLeaAdjustment(*found);
            return nonstd::nullopt;
        });
}

nonstd::optional<lea::CustomizationAdjustmentDbId> Customizations::addAdjustment(
    const Adjustment& record, lea::CustomizationDbId customizationId, lea::RecipeDbId recipeId)
{
    const char* const signature = __PRETTY_FUNCTION__;
    return withConfiguration(
        signature, [&](Configuration& configuration) -> nonstd::optional<lea::CustomizationAdjustmentDbId> {
            const RecipeCustomization* customization = getCoreCustomization(customizationId, &configuration);
            if (!customization) {
                logProductFailure(LogLevel::Warning, signature, "Customization not found in configuration");
                return nonstd::nullopt;
            }
            Recipe* recipe = configuration.recipe(static_cast<int>(recipeId.value()));
            if (!recipe) {
                logProductFailure(LogLevel::Warning, signature, "Recipe not found in configuration");
                return nonstd::nullopt;
            }
            std::unique_ptr<AbstractCustomizationAdjustment> adjustment
                = createCoreAdjustment(record, customization);
            if (!adjustment)
                return nonstd::nullopt;
            adjustment->setExtraText(record.extraText);
            if (!configuration.saveAdjustment(adjustment.get(), recipe->dbId())) {
                logProductFailure(LogLevel::Warning, signature, "Failed saving adjustment to database");
                return nonstd::nullopt;
            }
            const int newId = adjustment->dbId();
            if (recipe->addCustomizationAdjustment(adjustment.get()))
                adjustment.release();
            return utils::idFromCore<lea::CustomizationAdjustmentDbId>(newId);
        });
}

void Customizations::updateAdjustment(lea::CustomizationAdjustmentDbId id, const Adjustment& record)
{
    const char* const signature = __PRETTY_FUNCTION__;
    withConfiguration(signature, [&](Configuration& configuration) {
        const int coreId = static_cast<int>(id.value());
        for (Recipe* recipe : configuration.recipes()) {
            for (AbstractCustomizationAdjustment* adjustment : recipe->customizationAdjustments()) {
                if (adjustment->dbId() != coreId)
                    continue;
                const nonstd::optional<AdjustmentLimits> requested = requestedLimits(*adjustment, record);
                if (!requested) {
                    LogFormatter(LogLevel::Error).log(Log::Product)
                        << signature << "Cannot update adjustment " << QString::number(id.value());
                    continue;
                }
                // A failed save leaves the loaded adjustment as the database has it.
                const AdjustmentLimits previous = limitsOf(*adjustment);
                setLimits(*adjustment, *requested);
                if (!configuration.saveAdjustment(adjustment, recipe->dbId())) {
                    setLimits(*adjustment, previous);
                    logProductFailure(LogLevel::Warning, signature, "Failed saving adjustment to database");
                }
            }
        }
    });
}

void Customizations::deleteAdjustment(lea::CustomizationAdjustmentDbId id)
{
    const char* const signature = __PRETTY_FUNCTION__;
    withConfiguration(signature, [&](Configuration& configuration) {
        const int coreId = static_cast<int>(id.value());
        for (Recipe* recipe : configuration.recipes()) {
            for (AbstractCustomizationAdjustment* adjustment : recipe->customizationAdjustments()) {
                if (adjustment->dbId() != coreId)
                    continue;
                // The loaded recipe keeps the adjustment while the database does.
                if (!configuration.deleteAdjustment(coreId)) {
                    logProductFailure(LogLevel::Error, signature, "Failed deleting adjustment from database");
                    continue;
                }
                recipe->deleteCustomizationAdjustment(adjustment);
            }
        }
    });
}

nonstd::optional<std::vector<Customizations::Customization>> Customizations::commonCustomizations() const
{
    return nonstd::nullopt;
}

nonstd::optional<Customizations::Customization> Customizations::commonCustomization(
    CustomizationType type) const
{
    if (const RecipeCustomization* customization = coreCommonCustomization(type))
        return CustomizationConverter::coreCustomizationToLeaCustomization(*customization);
    return nonstd::nullopt;
}

void Customizations::setCommonCustomizationStep(CustomizationType type, unsigned char step)
{
    if (RecipeCustomization* customization = coreCommonCustomization(type))
        customization->setCurrentChoiceIndex(step);
}

void Customizations::applyCustomizations() const { }

nonstd::optional<QPair<int, int>> Customizations::powderMinLimits(lea::CustomizationAdjustmentDbId id) const
{
    return withConfiguration(
        __PRETTY_FUNCTION__, [&](Configuration& configuration) -> nonstd::optional<QPair<int, int>> {
            const PowderDosageAdjustment* powder = asPowderAdjustment(getCoreAdjustment(id, &configuration));
            if (!powder)
                return nonstd::nullopt;
            const QVariantMap limits = powder->powderMinLimits();
            const QString min = QStringLiteral("min");
            const QString max = QStringLiteral("max");
            if (!limits.contains(min) || !limits.contains(max))
                return nonstd::nullopt;
            return qMakePair(limits.value(min).toInt(), limits.value(max).toInt());
        });
}

nonstd::optional<QPair<int, int>> Customizations::powderMaxLimits(lea::CustomizationAdjustmentDbId id) const
{
    return withConfiguration(
        __PRETTY_FUNCTION__, [&](Configuration& configuration) -> nonstd::optional<QPair<int, int>> {
            const PowderDosageAdjustment* powder = asPowderAdjustment(getCoreAdjustment(id, &configuration));
            if (!powder)
                return nonstd::nullopt;
            // Sugar may be tripled; every other powder at most one and a half times.
            return powder->logicalCanisterId() == Canister::Sugar ? qMakePair(100, 300) : qMakePair(100, 150);
        });
}

RecipeCustomization* Customizations::coreCommonCustomization(CustomizationType type) const
{
    const UserSelectionManager* manager = gCoreEnv->userSelectionManager();
    if (!manager)
        return nullptr;
    switch (type) {
    case Sugar:
        return manager->sugarPreselection();
    case Cup:
        return manager->cupPreselection();
    default:
        return nullptr;
    }
}

void Customizations::connectCommonCustomization(CustomizationType type)
{
    RecipeCustomization* customization = coreCommonCustomization(type);
    if (!customization)
        return;
    const auto relay = type == Sugar ? &Customizations::onSugarPreselectionModified
                                     : &Customizations::onCupPreselectionModified;
    // A preselection announced twice is still relayed once.
    connect(customization, &RecipeCustomization::valueChanged, this, relay, Qt::UniqueConnection);
    connect(customization, &RecipeCustomization::isAvailableChanged, this, relay, Qt::UniqueConnection);
}

void Customizations::onSugarPreselectionModified()
{
    emit commonCustomizationModified(Sugar);
}

void Customizations::onCupPreselectionModified()
{
    emit commonCustomizationModified(Cup);
}

RecipeCustomization* Customizations::getCoreCustomization(
    lea::CustomizationDbId id, const Configuration* configuration)
{
    if (!configuration)
        return nullptr;
    const int coreId = static_cast<int>(id.value());
    for (RecipeCustomization* customization : configuration->allCustomizations()) {
        if (customization->dbId() == coreId)
            return customization;
    }
    return nullptr;
}

AbstractCustomizationAdjustment* Customizations::getCoreAdjustment(
    lea::CustomizationAdjustmentDbId id, const Configuration* configuration)
{
    if (!configuration)
        return nullptr;
    const int coreId = static_cast<int>(id.value());
    for (const Recipe* recipe : configuration->recipes()) {
        for (AbstractCustomizationAdjustment* adjustment : recipe->customizationAdjustments()) {
            if (adjustment->dbId() == coreId)
                return adjustment;
        }
    }
    return nullptr;
}

std::unique_ptr<RecipeCustomization> Customizations::createCoreCustomization(const Customization& record)
{
    const RecipeCustomization::IconType icon = CustomizationIconEnumConverter::toInternalOrThrow(record.icon);
    const RecipeCustomization::CustomizationType type
        = CustomizationTypeEnumConverter::toInternalOrThrow(record.type);
    auto customization = std::make_unique<RecipeCustomization>(type, record.name, record.defaultIndex,
        record.hundredPercentIndex, record.stepCount, static_cast<float>(record.costVariation),
        static_cast<quint8>(record.horizontal), 0, icon, 0, 0, nullptr);
    customization->setIsEnabled(record.enabled);
    customization->setIsAdjustmentRequired(record.adjustmentRequired);
    customization->setIsAvailable(record.available);
    customization->setExtraText(record.extraText);
    return customization;
}

std::unique_ptr<AbstractCustomizationAdjustment> Customizations::createCoreAdjustment(
    const Adjustment& record, const RecipeCustomization* customization)
{
    if (record.powder) {
        return std::make_unique<PowderDosageAdjustment>(customization,
            LogicalIngredientEnumConverter::toInternalOrThrow(record.powder->logicalIngredient),
            record.powder->deltaMin, record.powder->deltaMax, nullptr);
    }
    if (record.water) {
        return std::make_unique<WaterDosageAdjustment>(customization,
            StepTypeEnumConverter::toInternalOrThrow(record.water->stepType), record.water->deltaMin,
            record.water->deltaMax, nullptr);
    }
    return nullptr;
}

} // namespace products
} // namespace bridge
