#include "bridge/products/categories.h"

#include "bridge/localimagestore.h"
#include "bridge/products/categorytypeenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/category.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/typedstring.h"
#include "core/log/logformatter.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <QUrl>

namespace bridge {
namespace products {

namespace {

using lea::products::AnyCategoryId;
using LeaCategory = lea::products::Categories::Category;
using Config = lea::products::Categories::Config;

/// The core id of a category id. An id beyond the core's range names no
/// category, rather than wrapping round to the id of one that is not stored.
nonstd::optional<int> coreIdOf(const AnyCategoryId& id)
{
    if (id && id->value() > static_cast<unsigned int>(std::numeric_limits<int>::max()))
        return nonstd::nullopt;
    return utils::idToCoreOpt(id);
}

::Category* findCategory(const AnyCategoryId& id, QList<::Category*>& categories)
{
    const nonstd::optional<int> coreId = coreIdOf(id);
    return coreId ? Categories::coreCategoryFromId(*coreId, categories) : nullptr;
}

Config configOf(const Configuration& configuration)
{
    Config config;
    config.enabled = configuration.categoryScreenEnabled();
    config.firstLayoutValue = static_cast<uint8_t>(configuration.categoryFirstLayoutValue());
    config.secondLayoutValue = static_cast<uint8_t>(configuration.categorySecondLayoutValue());
    return config;
}

/// Stores `categories` as the display list with the screen settings of `config`.
bool saveDisplayList(Configuration& configuration, const QList<::Category*>& categories, const Config& config)
{
    return configuration.saveDisplayedCategories(
        configuration.id(), categories, config.firstLayoutValue, config.secondLayoutValue, config.enabled);
}

/// A writer for one operation, on the active configuration group's database.
std::unique_ptr<ConfigurationLoader> transientLoader()
{
    auto loader = std::make_unique<ConfigurationLoader>();
    loader->setDatabase(gCoreEnv->configurationGroup()->database());
    return loader;
}

LeaCategory coreToLeaCategory(const ::Category& core)
{
    LeaCategory category;
    category.type = CategoryTypeEnumConverter::toExternalOrThrow(core.categoryType());
    category.displayed = core.isDisplayed();
    category.available = core.isAvailable();
    category.title = core.title();
    category.translations = utils::translations(category.title, TypedString::CategoryTitle);
    category.rows = static_cast<uint8_t>(core.rows());
    category.columns = static_cast<uint8_t>(core.columns());
    category.products = Categories::convertProductIdsOpt(core.productIds());
    category.extraText = core.extraText();
    return category;
}

} // namespace

Categories::Categories(QObject* parent)
    : lea::products::Categories(parent)
{
    utils::connectToConfiguration(
        &Configuration::categoriesChanged, this, &lea::products::Categories::changed);
}

std::map<AnyCategoryId, LeaCategory> Categories::categories() const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [](Configuration& configuration) {
        // Owned at once, so that a conversion that throws leaks none of the copies.
        std::vector<std::unique_ptr<::Category>> copies;
        for (::Category* copy : configuration.getAllCategories(false))
            copies.emplace_back(copy);

        std::map<AnyCategoryId, LeaCategory> result;
        int displayedCount = 0;
        for (std::unique_ptr<::Category>& core : copies) {
            LeaCategory category = coreToLeaCategory(*core);
            if (category.displayed)
                category.position = static_cast<uint8_t>(displayedCount++);
            result.emplace(utils::idFromCoreOpt<lea::CategoryDbId>(core->id()), std::move(category));
            core.reset();
        }
        return result;
    });
}

void Categories::updateCategory(AnyCategoryId id, const Category& category)
{
    utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration& configuration) {
        const Config current = configOf(configuration);
        QList<::Category*> categories = configuration.getAllCategories(true);
        ::Category* target = findCategory(id, categories);
        if (!target)
            return;
        leaToCoreCategory(category, *target);
        // A category without row keeps its record in memory only.
        if (id) {
            utils::updateTranslations(category.title, TypedString::CategoryTitle, category.translations);
            configuration.saveCategoryInfos(target);
        }
        saveDisplayList(configuration, categories, current);
        configuration.loadBeverageCategories();
    });
}

nonstd::optional<lea::CategoryDbId> Categories::addCategory(const Category& category)
{
    const char* signature = __PRETTY_FUNCTION__;
    return utils::withConfiguration(signature, [&](Configuration& configuration) {
        const Config current = configOf(configuration);
        QList<::Category*> categories = configuration.getAllCategories(true);
        // The reload below brings the stored category into the configuration.
        const auto created = std::make_unique<::Category>();
        leaToCoreCategory(category, *created);
        categories.append(created.get());
        if (!configuration.saveCategoryInfos(created.get())) {
            LogFormatter(LogLevel::Warning).log(Log::Product)
                << signature << "Failed saving category to database";
            return nonstd::optional<lea::CategoryDbId>();
        }
        utils::updateTranslations(category.title, TypedString::CategoryTitle, category.translations);
        saveDisplayList(configuration, categories, current);
        configuration.loadBeverageCategories();
        return utils::idFromCoreOpt<lea::CategoryDbId>(created->id());
    });
}

void Categories::removeCategory(const lea::CategoryDbId& id)
{
    const char* signature = __PRETTY_FUNCTION__;
    utils::withConfiguration(signature, [&](Configuration& configuration) {
        const Config current = configOf(configuration);
        QList<::Category*> categories = configuration.getAllCategories(true);
        ::Category* target = findCategory(id, categories);
        if (!target)
            return;
        categories.removeOne(target);
        const auto loader = transientLoader();
        // The display list without the category would misnumber the one still stored.
        if (!loader->deleteBeverageCategory(target->id())) {
            LogFormatter(LogLevel::Error).log(Log::Product)
                << signature << "Failed deleting category from database";
            return;
        }
        loader->saveDisplayedCategories(configuration.id(), categories, current.firstLayoutValue,
            current.secondLayoutValue, current.enabled);
        configuration.loadBeverageCategories();
    });
}

void Categories::setDisplayedCategories(const std::vector<AnyCategoryId>& ids)
{
    utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration& configuration) {
        const Config current = configOf(configuration);
        const QList<::Category*> categories = configuration.getAllCategories(true);
        for (::Category* category : categories) {
            const bool displayed = std::any_of(ids.cbegin(), ids.cend(),
                [category](const AnyCategoryId& id) { return coreIdOf(id) == category->id(); });
            category->setIsDisplayed(displayed);
        }
        // The core's order is the display order.
        transientLoader()->saveDisplayedCategories(configuration.id(), categories, current.firstLayoutValue,
            current.secondLayoutValue, current.enabled);
        configuration.loadBeverageCategories();
    });
}

std::map<AnyCategoryId, LeaCategory> Categories::subCategories(
    const std::pair<AnyCategoryId, Category>& parent, const std::map<AnyCategoryId, Category>& all) const
{
    std::map<AnyCategoryId, Category> result;
    const auto select = [&](auto&& wanted) {
        for (const auto& entry : all) {
            if (entry.second.displayed && wanted(entry.first, entry.second))
                result.insert(entry);
        }
    };
    if (!parent.first) {
        // With a group on the top level, its sub-categories are listed inside it.
        const bool grouped = std::any_of(all.cbegin(), all.cend(),
            [](const auto& entry) { return entry.second.displayed && entry.second.type == Group; });
        select([grouped](const AnyCategoryId& id, const Category& category) {
            return id && !(grouped && category.type == SubCategory);
        });
    } else if (parent.second.type == Group) {
        select([](const AnyCategoryId&, const Category& category) { return category.type == SubCategory; });
    }
    return result;
}

QByteArray Categories::getImageBase64(lea::CategoryDbId id) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [id](Configuration& configuration) {
        const nonstd::optional<int> coreId = coreIdOf(id);
        return coreId ? configuration.loader()->loadCategoryImage(*coreId) : QByteArray();
    });
}

QFileInfo Categories::getImagePath(lea::CategoryDbId id) const
{
    const nonstd::optional<int> coreId = coreIdOf(id);
    if (!coreId)
        return {};
    return QFileInfo(LocalImageStore::instance().getCategoryImage(*coreId));
}

QString Categories::getImageHash(lea::CategoryDbId id) const
{
    const char* signature = __PRETTY_FUNCTION__;
    return utils::withConfiguration(signature, [&](Configuration& configuration) {
        QList<::Category*> categories = configuration.getAllCategories(true);
        if (const ::Category* category = findCategory(id, categories))
            return category->imageHash();
        LogFormatter(LogLevel::Error).log(Log::Product)
            << signature << "Returning empty hash for the image linked to the category id: " << id.value();
        return QString();
    });
}

void Categories::setImagePath(lea::CategoryDbId id, const QFileInfo& file)
{
    utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration& configuration) {
        QList<::Category*> categories = configuration.getAllCategories(true);
        ::Category* category = findCategory(id, categories);
        if (!category)
            return;
        category->setImageSource(QUrl::fromLocalFile(file.filePath()), false);
        configuration.saveCategoryInfos(category);
        configuration.loadBeverageCategories();
    });
}

lea::products::Categories::Config Categories::config() const
{
    return utils::withConfiguration(
        __PRETTY_FUNCTION__, [](Configuration& configuration) { return configOf(configuration); });
}

void Categories::setConfig(const Config& config)
{
    utils::withConfiguration(__PRETTY_FUNCTION__, [&config](Configuration& configuration) {
        saveDisplayList(configuration, configuration.getAllCategories(true), config);
        configuration.loadBeverageCategories();
    });
}

::Category* Categories::coreCategoryFromId(int id, QList<::Category*>& categories)
{
    const auto it = std::find_if(categories.begin(), categories.end(),
        [id](const ::Category* category) { return category->id() == id; });
    return it == categories.end() ? nullptr : *it;
}

void Categories::leaToCoreCategory(const Category& category, ::Category& coreCategory)
{
    // Converted first, so that a value without core counterpart changes nothing.
    const ::Category::CategoryType type = CategoryTypeEnumConverter::toInternalOrThrow(category.type);
    coreCategory.setCategoryType(type);
    coreCategory.setIsDisplayed(category.displayed);
    coreCategory.setRows(category.rows);
    coreCategory.setColumns(category.columns);
    coreCategory.setTitle(category.title);
    coreCategory.setExtraText(category.extraText);
    coreCategory.clearIds();
    for (const nonstd::optional<lea::ProductDbId>& product : category.products)
        coreCategory.addProductId(utils::idToCoreOpt(product));
}

std::vector<nonstd::optional<lea::ProductDbId>> Categories::convertProductIdsOpt(QList<int> ids)
{
    std::vector<nonstd::optional<lea::ProductDbId>> products;
    products.reserve(static_cast<std::size_t>(ids.size()));
    for (const int id : ids)
        products.push_back(utils::idFromCoreOpt<lea::ProductDbId>(id));
    return products;
}

} // namespace products
} // namespace bridge
