#include "bridge/products/canisters.h"

#include "bridge/localimagestore.h"
#include "bridge/products/cataloguelookup.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/canister.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/typedstring.h"
#include "core/machine/machine.h"
#include "core/machine/machinedatabase.h"
#include "core/machine/physicalmachine.h"

namespace bridge {
namespace products {

namespace {

using LeaCanisters = lea::products::Canisters;

const QString BrandImage = QStringLiteral("brand");
const QString CanisterImage = QStringLiteral("image");

/// The canister type whose flag the interface shows.
constexpr int FlaggedCanisterType = 3;

QByteArray loadImage(const char* signature, const QString& type, lea::CanisterDbId id)
{
    const Configuration* configuration = utils::loadedConfiguration(signature);
    const nonstd::optional<int> coreId = utils::coreId(id);
    if (!configuration || !coreId)
        return {};
    return configuration->loader()->loadCanisterImage(type, *coreId);
}

QFileInfo imagePath(const QString& type, lea::CanisterDbId id)
{
    const nonstd::optional<int> coreId = utils::coreId(id);
    if (!coreId)
        return {};
    return QFileInfo(LocalImageStore::instance().getCanisterImage(type, *coreId));
}

} // namespace

Canisters::Canisters(QObject* parent)
    : lea::products::Canisters(parent)
{
}

std::vector<LeaCanisters::CanisterLevel> Canisters::levels() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<CanisterLevel> levels;
    for (const ::Canister* canister : configuration->canisters()) {
        const PowderLevel& powder = *canister->powderLevel();
        CanisterLevel level;
        level.canister = utils::idFromCore<lea::CanisterDbId>(canister->id());
        level.emptyCheckEnabled = powder.isEmptyCheckEnabled();
        level.levelSensorEnabled = powder.isLevelSensorEnabled();
        level.gramsEmptyThreshold = powder.gramsEmptyTreshold();
        level.weightWhenFull = powder.weightWhenFull();
        // The core measures tenths of a gram.
        level.currentLevel = powder.currentValue() / 10;
        levels.push_back(level);
    }
    return levels;
}

void Canisters::setLevels(const std::vector<CanisterLevel>& levels)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    for (const CanisterLevel& level : levels) {
        ::Canister* canister = lookup::canister(*configuration, level.canister);
        if (!canister)
            continue;
        // Each canister is stored on its own; one the database refuses keeps its loaded level.
        utils::Rollback rollback(*canister);
        PowderLevel& powder = *canister->powderLevel();
        powder.setEmptyCheckEnabled(level.emptyCheckEnabled);
        powder.setLevelSensorEnabled(level.levelSensorEnabled);
        powder.setGramsEmptyTreshold(level.gramsEmptyThreshold);
        powder.setWeightWhenFull(level.weightWhenFull);
        if (log.stored(gCoreEnv->machine()->saveCanisterLevel(canister), "Failed saving canister level"))
            rollback.commit();
    }
}

std::vector<LeaCanisters::CanisterCalibration> Canisters::calibrations() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<CanisterCalibration> calibrations;
    for (const ::Canister* canister : configuration->canisters()) {
        CanisterCalibration calibration;
        calibration.canister = utils::idFromCore<lea::CanisterDbId>(canister->id());
        calibration.calibrationMin = canister->calibrationMin();
        calibration.calibrationMax = canister->calibrationMax();
        calibrations.push_back(calibration);
    }
    return calibrations;
}

void Canisters::setCalibrations(const std::vector<CanisterCalibration>& calibrations)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    utils::Rollback rollback;
    for (const CanisterCalibration& calibration : calibrations) {
        if (::Canister* canister = lookup::canister(*configuration, calibration.canister)) {
            rollback.add(*canister);
            canister->setCalibrationMin(calibration.calibrationMin);
            canister->setCalibrationMax(calibration.calibrationMax);
        }
    }
    // Every calibration is stored at once: all of them or none.
    if (utils::FailureLog(Q_FUNC_INFO, Log::Product)
            .stored(gCoreEnv->machine()->machineDatabase()->saveCanistersCalibration(),
                "Failed saving canister calibrations"))
        rollback.commit();
}

std::vector<LeaCanisters::Canister> Canisters::canisters() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<Canister> canisters;
    const PhysicalMachine* physicalMachine = configuration->physicalMachine();
    for (const ::Canister* core : configuration->canisters()) {
        const LogicalIngredient logicalIngredient
            = LogicalIngredientEnumConverter::toExternalOrThrow(core->logicalCanisterId());
        Canister canister;
        canister.id = utils::idFromCore<lea::CanisterDbId>(core->id());
        canister.name = core->name();
        canister.translations = utils::translations(canister.name, TypedString::CanisterName);
        if (logicalIngredient != NoIngredient) {
            Ingredient ingredient;
            ingredient.logicalIngredient = logicalIngredient;
            ingredient.productName = core->productName();
            ingredient.productNameTranslations
                = utils::translationsFromQm(QStringLiteral("Canister"), ingredient.productName);
            canister.ingredient = std::move(ingredient);
        }
        canister.available = core->isAvailable();
        canister.typeFlag = core->type() == FlaggedCanisterType;
        canister.allergens = splitString(core->allergens());
        canister.installed = physicalMachine && physicalMachine->canisterByType(core->logicalCanisterId());
        canisters.push_back(std::move(canister));
    }
    return canisters;
}

QByteArray Canisters::getFirstImageBase64(lea::CanisterDbId id) const
{
    return loadImage(__PRETTY_FUNCTION__, BrandImage, id);
}

QFileInfo Canisters::getFirstImagePath(lea::CanisterDbId id) const
{
    return imagePath(BrandImage, id);
}

QByteArray Canisters::getSecondImageBase64(lea::CanisterDbId id) const
{
    return loadImage(__PRETTY_FUNCTION__, CanisterImage, id);
}

QFileInfo Canisters::getSecondImagePath(lea::CanisterDbId id) const
{
    return imagePath(CanisterImage, id);
}

QString Canisters::getGlobalAllergens() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration ? configuration->globalAllergens() : QString();
}

std::vector<QString> Canisters::splitString(QString text)
{
    std::vector<QString> pieces;
    if (text.isEmpty())
        return pieces;
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    for (const QString& piece : text.split(QLatin1Char(','), Qt::KeepEmptyParts))
        pieces.push_back(piece);
    return pieces;
}

} // namespace products
} // namespace bridge
