#include "bridge/products/customizations.h"

#include "bridge/products/cataloguelookup.h"
#include "bridge/products/customizationconverter.h"
#include "bridge/products/customizationiconenumconverter.h"
#include "bridge/products/customizationshelper.h"
#include "bridge/products/customizationtypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/steptypeenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
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

Recipe* selectionRecipe()
{
    const UserSelectionManager* manager = gCoreEnv->userSelectionManager();
    return manager ? manager->selectionRecipe() : nullptr;
}

const PowderDosageAdjustment* asPowderAdjustment(const AbstractCustomizationAdjustment* adjustment)
{
    if (!adjustment || adjustment->type() != AbstractCustomizationAdjustment::PowderDosage)
        return nullptr;
    return qobject_cast<const PowderDosageAdjustment*>(adjustment);
}

bool holdsCustomization(const Recipe& recipe, int customizationId)
{
    const QList<RecipeCustomization*> customizations = recipe.customizations();
    return std::any_of(customizations.cbegin(), customizations.cend(),
        [customizationId](const RecipeCustomization* held) { return held->dbId() == customizationId; });
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
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const RecipeCustomization* found = configuration ? lookup::customization(*configuration, id) : nullptr;
    if (!found)
        return {};
    return CustomizationConverter::coreCustomizationToLeaCustomization(*found);
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
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    Recipe* recipe = lookup::recipe(*configuration, recipeId);
    if (!recipe) {
        log.warning("Recipe not found in configuration");
        return {};
    }
    std::unique_ptr<RecipeCustomization> customization = createCoreCustomization(record);
    if (!log.stored(configuration->saveCustomization(customization.get(), recipe->dbId()),
            "Failed saving customization to database", LogLevel::Warning))
        return {};
    // Only a stored customization gets its translations.
    utils::updateTranslations(record.name, TypedString::CustomizationName, record.translations);
    const int newId = customization->dbId();
    if (recipe->addCustomization(customization.get()))
        customization.release();
    return utils::idFromCore<lea::CustomizationDbId>(newId);
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
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    const RecipeCustomization* stored = lookup::customization(*configuration, id);
    if (!stored)
        return log.error("can't find requested customization");
    // The loaded object is left as it is: the stored row alone is replaced,
    // keeping the parameter settings that the record does not carry.
    std::unique_ptr<RecipeCustomization> replacement = createCoreCustomization(record, stored);
    replacement->setDbId(stored->dbId());
    if (log.stored(configuration->saveCustomization(replacement.get(), -1),
            "Failed saving customization to database", LogLevel::Warning))
        utils::updateTranslations(record.name, TypedString::CustomizationName, record.translations);
}

void Customizations::deleteCustomization(lea::CustomizationDbId id)
{
    if (utils::loadedConfiguration(Q_FUNC_INFO))
        CustomizationsHelper::deleteCustomizationImp(id);
}

nonstd::optional<Customizations::Adjustment> Customizations::adjustment(
    lea::CustomizationAdjustmentDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const AbstractCustomizationAdjustment* found
        = configuration ? lookup::adjustment(*configuration, id) : nullptr;
    if (!found)
        return {};
    return CustomizationConverter::coreAdjustmentToLeaAdjustment(*found);
}

nonstd::optional<lea::CustomizationAdjustmentDbId> Customizations::addAdjustment(
    const Adjustment& record, lea::CustomizationDbId customizationId, lea::RecipeDbId recipeId)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    const RecipeCustomization* customization = lookup::customization(*configuration, customizationId);
    if (!customization) {
        log.warning("Customization not found in configuration");
        return {};
    }
    Recipe* recipe = lookup::recipe(*configuration, recipeId);
    if (!recipe) {
        log.warning("Recipe not found in configuration");
        return {};
    }
    // A recipe loads only the adjustments of its own customizations: any other would be lost.
    if (!holdsCustomization(*recipe, customization->dbId())) {
        log.warning("Customization not found in recipe");
        return {};
    }
    std::unique_ptr<AbstractCustomizationAdjustment> adjustment = createCoreAdjustment(record, customization);
    if (!adjustment)
        return {};
    adjustment->setExtraText(record.extraText);
    if (!log.stored(configuration->saveAdjustment(adjustment.get(), recipe->dbId()),
            "Failed saving adjustment to database", LogLevel::Warning))
        return {};
    const int newId = adjustment->dbId();
    if (recipe->addCustomizationAdjustment(adjustment.get()))
        adjustment.release();
    return utils::idFromCore<lea::CustomizationAdjustmentDbId>(newId);
}

void Customizations::updateAdjustment(lea::CustomizationAdjustmentDbId id, const Adjustment& record)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    AbstractCustomizationAdjustment* adjustment = lookup::adjustment(*configuration, id);
    const Recipe* recipe = adjustment ? lookup::owningRecipe(*adjustment) : nullptr;
    if (!recipe)
        return;
    auto* powder = qobject_cast<PowderDosageAdjustment*>(adjustment);
    auto* water = qobject_cast<WaterDosageAdjustment*>(adjustment);
    const bool powderUpdate
        = record.powder && powder && adjustment->type() == AbstractCustomizationAdjustment::PowderDosage;
    const bool waterUpdate
        = record.water && water && adjustment->type() == AbstractCustomizationAdjustment::WaterDosage;
    if (!powderUpdate && !waterUpdate) {
        LogFormatter(LogLevel::Error).log(Log::Product)
            << Q_FUNC_INFO << "Cannot update adjustment " << QString::number(id.value());
        return;
    }
    utils::requireStorableText(record.extraText);
    utils::Rollback rollback(*adjustment);
    adjustment->setExtraText(record.extraText);
    if (powderUpdate) {
        powder->setPowderDeltaMin(record.powder->deltaMin);
        powder->setPowderDeltaMax(record.powder->deltaMax);
    } else {
        water->setWaterDeltaMin(record.water->deltaMin);
        water->setWaterDeltaMax(record.water->deltaMax);
    }
    if (log.stored(configuration->saveAdjustment(adjustment, recipe->dbId()),
            "Failed saving adjustment to database", LogLevel::Warning))
        rollback.commit();
}

void Customizations::deleteAdjustment(lea::CustomizationAdjustmentDbId id)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    AbstractCustomizationAdjustment* adjustment = lookup::adjustment(*configuration, id);
    Recipe* recipe = adjustment ? lookup::owningRecipe(*adjustment) : nullptr;
    if (!recipe)
        return;
    // The loaded recipe keeps the adjustment while the database does.
    if (utils::FailureLog(Q_FUNC_INFO, Log::Product)
            .stored(configuration->deleteAdjustment(adjustment->dbId()),
                "Failed deleting adjustment from database"))
        recipe->deleteCustomizationAdjustment(adjustment);
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
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const PowderDosageAdjustment* powder
        = asPowderAdjustment(configuration ? lookup::adjustment(*configuration, id) : nullptr);
    if (!powder)
        return {};
    const QVariantMap limits = powder->powderMinLimits();
    const QString min = QStringLiteral("min");
    const QString max = QStringLiteral("max");
    if (!limits.contains(min) || !limits.contains(max))
        return {};
    return qMakePair(limits.value(min).toInt(), limits.value(max).toInt());
}

nonstd::optional<QPair<int, int>> Customizations::powderMaxLimits(lea::CustomizationAdjustmentDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const PowderDosageAdjustment* powder
        = asPowderAdjustment(configuration ? lookup::adjustment(*configuration, id) : nullptr);
    if (!powder)
        return {};
    // Sugar may be tripled; every other powder at most one and a half times.
    return powder->logicalCanisterId() == Canister::Sugar ? qMakePair(100, 300) : qMakePair(100, 150);
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

std::unique_ptr<RecipeCustomization> Customizations::createCoreCustomization(
    const Customization& record, const RecipeCustomization* stored)
{
    utils::requireStorableText(record.name);
    utils::requireStorableText(record.extraText);
    utils::requireStorableTexts(record.translations);
    const RecipeCustomization::IconType icon = CustomizationIconEnumConverter::toInternalOrThrow(record.icon);
    const RecipeCustomization::CustomizationType type
        = CustomizationTypeEnumConverter::toInternalOrThrow(record.type);
    auto customization = std::make_unique<RecipeCustomization>(type, record.name, record.defaultIndex,
        record.hundredPercentIndex, record.stepCount, static_cast<float>(record.costVariation),
        static_cast<quint8>(record.horizontal), stored ? stored->parameterKind() : 0, icon,
        stored ? stored->parameterMin() : 0, stored ? stored->parameterMax() : 0, nullptr);
    customization->setIsEnabled(record.enabled);
    customization->setIsAdjustmentRequired(record.adjustmentRequired);
    customization->setIsAvailable(record.available);
    customization->setExtraText(record.extraText);
    return customization;
}

std::unique_ptr<AbstractCustomizationAdjustment> Customizations::createCoreAdjustment(
    const Adjustment& record, const RecipeCustomization* customization)
{
    utils::requireStorableText(record.extraText);
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
