#pragma once

#include "lea/ids.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QByteArray>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <utility>
#include <vector>

namespace lea {
namespace products {

/// Any category, including one that is not stored as a database row (empty).
using AnyCategoryId = nonstd::optional<lea::CategoryDbId>;

/// Accessor of product categories.
class Categories : public QObject
{
    Q_OBJECT

public:
    enum Type : int {
        Type0 = 0,
        Type1 = 1,
        /// Listed under the group category rather than on the top level.
        SubCategory = 2,
        Type3 = 3,
        /// Groups the displayed sub-categories.
        Group = 4,
        Type5 = 5,
        Type6 = 6,
        Type7 = 7,
        Type8 = 8,
    };
    Q_ENUM(Type)

    /// A category of the selection screen: its title, grid size and the products it shows, in display order.
    struct Category
    {
        Type type = Type0;
        bool displayed = false;
        /// Rank among the displayed categories; empty when not displayed. Read only.
        nonstd::optional<uint8_t> position;
        /// Read only.
        bool available = false;
        QString title;
        std::vector<lea::Translation> translations;
        uint8_t rows = 0;
        uint8_t columns = 0;
        /// In display order; an empty entry is a product that is not a database row.
        std::vector<nonstd::optional<lea::ProductDbId>> products;
        nonstd::optional<QString> extraText;
    };

    /// Settings of the category screen.
    struct Config
    {
        bool enabled = false;
        uint8_t firstLayoutValue = 0;
        uint8_t secondLayoutValue = 0;
    };

    ~Categories() override = default;

    /// Every category, keyed by id; of several categories without id only the first.
    virtual std::map<AnyCategoryId, Category> categories() const = 0;
    /// Applies the record to the category; one without id keeps its record and
    /// translations unsaved, only the display list is stored.
    virtual void updateCategory(AnyCategoryId id, const Category& category) = 0;
    /// The id of the stored category; empty when it could not be stored.
    virtual nonstd::optional<lea::CategoryDbId> addCategory(const Category& category) = 0;
    virtual void removeCategory(const lea::CategoryDbId& id) = 0;
    /// Displays exactly the given categories; their order stays the stored one.
    virtual void setDisplayedCategories(const std::vector<AnyCategoryId>& ids) = 0;
    /// The categories listed under `parent` (the top level when its id is empty).
    virtual std::map<AnyCategoryId, Category> subCategories(const std::pair<AnyCategoryId, Category>& parent,
        const std::map<AnyCategoryId, Category>& all) const = 0;
    /// The image, base64 encoded; empty when there is none.
    virtual QByteArray getImageBase64(lea::CategoryDbId id) const = 0;
    /// The image as a PNG file; an empty path when there is none.
    virtual QFileInfo getImagePath(lea::CategoryDbId id) const = 0;
    virtual QString getImageHash(lea::CategoryDbId id) const = 0;
    virtual void setImagePath(lea::CategoryDbId id, const QFileInfo& file) = 0;
    virtual Config config() const = 0;
    virtual void setConfig(const Config& config) = 0;

signals:
    void changed();

protected:
    explicit Categories(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
