#include "bridge/products/categories.h"

#include "bridge/localimagestore.h"
#include "bridge/products/cataloguelookup.h"
#include "bridge/products/categorytypeenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/category.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/typedstring.h"
#include "core/log/logformatter.h"

#include <algorithm>
#include <memory>
#include <QUrl>

namespace bridge {
namespace products {

namespace {

using lea::products::AnyCategoryId;
using LeaCategory = lea::products::Categories::Category;
using Config = lea::products::Categories::Config;

/// The core id of a category id: -1 for the empty key. An id beyond the
/// core's range names no category, rather than wrapping round to the id of
/// one that is not stored.
nonstd::optional<int> coreIdOf(const AnyCategoryId& id)
{
    return id ? utils::coreId(*id) : nonstd::optional<int>(-1);
}

Config configOf(const Configuration& configuration)
{
    Config config;
    config.enabled = configuration.categoryScreenEnabled();
    config.firstLayoutValue = static_cast<uint8_t>(configuration.categoryFirstLayoutValue());
    config.secondLayoutValue = static_cast<uint8_t>(configuration.categorySecondLayoutValue());
    return config;
}

/// Copies of the loaded categories in display order. Writes change and store
/// the copies; the loaded categories are read again once the database took
/// the change, so that a refused write leaves them as they were.
class Draft
{
public:
    explicit Draft(const Configuration& configuration)
    {
        for (::Category* copy : configuration.getAllCategories(false)) {
            m_owned.emplace_back(copy);
            m_list << copy;
        }
    }

    QList<::Category*>& list() { return m_list; }

    ::Category* find(const AnyCategoryId& id)
    {
        const nonstd::optional<int> coreId = coreIdOf(id);
        if (!coreId)
            return nullptr;
        const auto it = std::find_if(m_list.begin(), m_list.end(),
            [&](const ::Category* category) { return category->id() == *coreId; });
        return it == m_list.end() ? nullptr : *it;
    }

    ::Category* append(std::unique_ptr<::Category> category)
    {
        m_list << category.get();
        m_owned.push_back(std::move(category));
        return m_list.last();
    }

    /// Stores the copies' order as the display order, their displayed flags and `config`.
    bool saveDisplayList(
        ConfigurationLoader& loader, const Configuration& configuration, const Config& config) const
    {
        return loader.saveDisplayedCategories(
            configuration.id(), m_list, config.firstLayoutValue, config.secondLayoutValue, config.enabled);
    }

private:
    std::vector<std::unique_ptr<::Category>> m_owned;
    QList<::Category*> m_list;
};

/// Runs the writes of one operation in a transaction and, when they all
/// stood, reads the categories again (which signals the change).
template <class Writes>
bool storeAndReload(Configuration& configuration, const utils::FailureLog& log, const char* failure,
    LogLevel::Level level, Writes&& writes)
{
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    bool stored = false;
    if (loader) {
        utils::Transaction transaction(*loader);
        stored = transaction.isOpen() && writes(*loader) && transaction.commit();
    }
    if (!log.stored(stored, failure, level))
        return false;
    configuration.loadBeverageCategories();
    return true;
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

const char* const SaveFailed = "Failed saving category to database";

} // namespace

Categories::Categories(QObject* parent)
    : lea::products::Categories(parent)
{
    utils::connectToConfiguration(
        &Configuration::categoriesChanged, this, &lea::products::Categories::changed);
}

std::map<AnyCategoryId, LeaCategory> Categories::categories() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    // Owned at once, so that a conversion that throws leaks none of the copies.
    Draft copies(*configuration);
    std::map<AnyCategoryId, LeaCategory> result;
    int displayedCount = 0;
    for (const ::Category* core : copies.list()) {
        LeaCategory category = coreToLeaCategory(*core);
        if (category.displayed)
            category.position = static_cast<uint8_t>(displayedCount++);
        result.emplace(utils::idFromCoreOpt<lea::CategoryDbId>(core->id()), std::move(category));
    }
    return result;
}

void Categories::updateCategory(AnyCategoryId id, const Category& category)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const Config current = configOf(*configuration);
    Draft draft(*configuration);
    ::Category* target = draft.find(id);
    if (!target)
        return;
    leaToCoreCategory(category, *target);
    // A category without row keeps its record in memory only.
    const bool stored = target->id() >= 0;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    if (storeAndReload(*configuration, log, SaveFailed, LogLevel::Warning,
            [&](ConfigurationLoader& loader) {
                return (!stored || loader.saveCategoryInfos(target))
                    && draft.saveDisplayList(loader, *configuration, current);
            })
        && stored)
        utils::updateTranslations(category.title, TypedString::CategoryTitle, category.translations);
}

nonstd::optional<lea::CategoryDbId> Categories::addCategory(const Category& category)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const Config current = configOf(*configuration);
    Draft draft(*configuration);
    auto converted = std::make_unique<::Category>();
    leaToCoreCategory(category, *converted);
    ::Category* created = draft.append(std::move(converted));
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    if (!storeAndReload(*configuration, log, SaveFailed, LogLevel::Warning, [&](ConfigurationLoader& loader) {
            return loader.saveCategoryInfos(created)
                && draft.saveDisplayList(loader, *configuration, current);
        }))
        return {};
    // Only a stored category gets its translations.
    utils::updateTranslations(category.title, TypedString::CategoryTitle, category.translations);
    return utils::idFromCoreOpt<lea::CategoryDbId>(created->id());
}

void Categories::removeCategory(const lea::CategoryDbId& id)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const Config current = configOf(*configuration);
    Draft draft(*configuration);
    ::Category* target = draft.find(id);
    if (!target)
        return;
    draft.list().removeOne(target);
    // The category and the display list without it are stored together or not at all.
    storeAndReload(*configuration, utils::FailureLog(Q_FUNC_INFO, Log::Product),
        "Failed deleting category from database", LogLevel::Error, [&](ConfigurationLoader& loader) {
            return loader.deleteBeverageCategory(target->id())
                && draft.saveDisplayList(loader, *configuration, current);
        });
}

void Categories::setDisplayedCategories(const std::vector<AnyCategoryId>& ids)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const Config current = configOf(*configuration);
    Draft draft(*configuration);
    for (::Category* category : draft.list()) {
        const bool displayed = std::any_of(ids.cbegin(), ids.cend(),
            [category](const AnyCategoryId& id) { return coreIdOf(id) == category->id(); });
        category->setIsDisplayed(displayed);
    }
    // The core's order is the display order.
    storeAndReload(*configuration, utils::FailureLog(Q_FUNC_INFO, Log::Product),
        "Failed saving displayed categories to database", LogLevel::Error,
        [&](ConfigurationLoader& loader) { return draft.saveDisplayList(loader, *configuration, current); });
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
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const nonstd::optional<int> coreId = utils::coreId(id);
    if (!configuration || !coreId)
        return {};
    return configuration->loader()->loadCategoryImage(*coreId);
}

QFileInfo Categories::getImagePath(lea::CategoryDbId id) const
{
    const nonstd::optional<int> coreId = utils::coreId(id);
    if (!coreId)
        return {};
    return QFileInfo(LocalImageStore::instance().getCategoryImage(*coreId));
}

QString Categories::getImageHash(lea::CategoryDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    if (const ::Category* category = lookup::category(*configuration, id))
        return category->imageHash();
    LogFormatter(LogLevel::Error).log(Log::Product)
        << Q_FUNC_INFO << "Returning empty hash for the image linked to the category id: " << id.value();
    return {};
}

void Categories::setImagePath(lea::CategoryDbId id, const QFileInfo& file)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    Draft draft(*configuration);
    ::Category* category = draft.find(id);
    if (!category)
        return;
    category->setImageSource(QUrl::fromLocalFile(file.filePath()), false);
    storeAndReload(*configuration, utils::FailureLog(Q_FUNC_INFO, Log::Product), SaveFailed,
        LogLevel::Warning, [&](ConfigurationLoader& loader) { return loader.saveCategoryInfos(category); });
}

lea::products::Categories::Config Categories::config() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration ? configOf(*configuration) : Config {};
}

void Categories::setConfig(const Config& config)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    Draft draft(*configuration);
    storeAndReload(*configuration, utils::FailureLog(Q_FUNC_INFO, Log::Product),
        "Failed saving displayed categories to database", LogLevel::Error,
        [&](ConfigurationLoader& loader) { return draft.saveDisplayList(loader, *configuration, config); });
}

void Categories::leaToCoreCategory(const Category& category, ::Category& coreCategory)
{
    // Converted first, so that a value without core counterpart changes nothing.
    const ::Category::CategoryType type = CategoryTypeEnumConverter::toInternalOrThrow(category.type);
    utils::requireStorableText(category.title);
    utils::requireStorableText(category.extraText);
    utils::requireStorableTexts(category.translations);
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
