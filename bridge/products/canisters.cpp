#include "bridge/products/canisters.h"

#include "bridge/localimagestore.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/canister.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/typedstring.h"
#include "core/machine/machine.h"
#include "core/machine/machinedatabase.h"
#include "core/machine/physicalmachine.h"

#include <limits>

namespace bridge {
namespace products {

namespace {

using LeaCanisters = lea::products::Canisters;

const QString BrandImage = QStringLiteral("brand");
const QString CanisterImage = QStringLiteral("image");

/// The canister type whose flag the interface shows.
constexpr int FlaggedCanisterType = 3;

/// The first canister, in logical-id order, with that id.
Canister* findCanister(const Configuration& configuration, lea::CanisterDbId id)
{
    for (Canister* canister : configuration.canisters()) {
        // A negative core id is no row: it never matches, whatever an id wraps round to.
        if (canister->id() >= 0 && static_cast<unsigned int>(canister->id()) == id.value())
            return canister;
    }
    return nullptr;
}

/// The core id of a canister id; empty beyond the core's range.
nonstd::optional<int> coreIdOf(lea::CanisterDbId id)
{
    if (id.value() > static_cast<unsigned int>(std::numeric_limits<int>::max()))
        return nonstd::nullopt;
    return static_cast<int>(id.value());
}

QByteArray loadImage(const char* signature, const QString& type, lea::CanisterDbId id)
{
    return utils::withConfiguration(signature, [&](Configuration& configuration) {
        const nonstd::optional<int> coreId = coreIdOf(id);
        return coreId ? configuration.loader()->loadCanisterImage(type, *coreId) : QByteArray();
    });
}

QFileInfo imagePath(const QString& type, lea::CanisterDbId id)
{
    const nonstd::optional<int> coreId = coreIdOf(id);
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
    return utils::withConfiguration(__PRETTY_FUNCTION__, [](Configuration& configuration) {
        std::vector<CanisterLevel> levels;
        for (const ::Canister* canister : configuration.canisters()) {
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
    });
}

void Canisters::setLevels(const std::vector<CanisterLevel>& levels)
{
    utils::withConfiguration(__PRETTY_FUNCTION__, [&levels](Configuration& configuration) {
        for (const CanisterLevel& level : levels) {
            ::Canister* canister = findCanister(configuration, level.canister);
            if (!canister)
                continue;
            PowderLevel& powder = *canister->powderLevel();
            powder.setEmptyCheckEnabled(level.emptyCheckEnabled);
            powder.setLevelSensorEnabled(level.levelSensorEnabled);
            powder.setGramsEmptyTreshold(level.gramsEmptyThreshold);
            powder.setWeightWhenFull(level.weightWhenFull);
            gCoreEnv->machine()->saveCanisterLevel(canister);
        }
    });
}

std::vector<LeaCanisters::CanisterCalibration> Canisters::calibrations() const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [](Configuration& configuration) {
        std::vector<CanisterCalibration> calibrations;
        for (const ::Canister* canister : configuration.canisters()) {
            CanisterCalibration calibration;
            calibration.canister = utils::idFromCore<lea::CanisterDbId>(canister->id());
            calibration.calibrationMin = canister->calibrationMin();
            calibration.calibrationMax = canister->calibrationMax();
            calibrations.push_back(calibration);
        }
        return calibrations;
    });
}

void Canisters::setCalibrations(const std::vector<CanisterCalibration>& calibrations)
{
    utils::withConfiguration(__PRETTY_FUNCTION__, [&calibrations](Configuration& configuration) {
        for (const CanisterCalibration& calibration : calibrations) {
            if (::Canister* canister = findCanister(configuration, calibration.canister)) {
                canister->setCalibrationMin(calibration.calibrationMin);
                canister->setCalibrationMax(calibration.calibrationMax);
            }
        }
        gCoreEnv->machine()->machineDatabase()->saveCanistersCalibration();
    });
}

std::vector<LeaCanisters::Canister> Canisters::canisters() const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [](Configuration& configuration) {
        std::vector<Canister> canisters;
        const PhysicalMachine* physicalMachine = configuration.physicalMachine();
        for (const ::Canister* core : configuration.canisters()) {
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
            canister.installed
                = physicalMachine && physicalMachine->canisterByType(core->logicalCanisterId());
            canisters.push_back(std::move(canister));
        }
        return canisters;
    });
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
    return utils::withConfiguration(
        __PRETTY_FUNCTION__, [](Configuration& configuration) { return configuration.globalAllergens(); });
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
