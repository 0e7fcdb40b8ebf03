#pragma once

#include "lea/products/categories.h"

#include <QList>
#include <vector>

class Category;

namespace bridge {
namespace products {

/// The categories of the loaded configuration. Every write ends by reloading
/// the core's categories, which signals changed().
class Categories : public lea::products::Categories
{
    Q_OBJECT

public:
    explicit Categories(QObject* parent);

    std::map<lea::products::AnyCategoryId, Category> categories() const override;
    void updateCategory(lea::products::AnyCategoryId id, const Category& category) override;
    nonstd::optional<lea::CategoryDbId> addCategory(const Category& category) override;
    void removeCategory(const lea::CategoryDbId& id) override;
    void setDisplayedCategories(const std::vector<lea::products::AnyCategoryId>& ids) override;
    std::map<lea::products::AnyCategoryId, Category> subCategories(
        const std::pair<lea::products::AnyCategoryId, Category>& parent,
        const std::map<lea::products::AnyCategoryId, Category>& all) const override;
    QByteArray getImageBase64(lea::CategoryDbId id) const override;
    QFileInfo getImagePath(lea::CategoryDbId id) const override;
    QString getImageHash(lea::CategoryDbId id) const override;
    void setImagePath(lea::CategoryDbId id, const QFileInfo& file) override;
    Config config() const override;
    void setConfig(const Config& config) override;

    /// Writes the record's editable members; position, availability and
    /// translations are not the category object's to keep.
    static void leaToCoreCategory(const Category& category, ::Category& coreCategory);
    /// A negative core id becomes an empty entry.
    static std::vector<nonstd::optional<lea::ProductDbId>> convertProductIdsOpt(QList<int> ids);
};

} // namespace products
} // namespace bridge
