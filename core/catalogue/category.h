#pragma once

#include "core/catalogue/cataloguerevision.h"
#include "nonstd/optional.hpp"

#include <memory>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

/// A group of products on the selection screens.
class Category : public QObject
{
    Q_OBJECT

public:
    enum CategoryType : int {
        StandardCategory = 0,
        HotDrinksCategory = 1,
        /// Shown inside the grouping category rather than at the top level.
        SubCategory = 2,
        SnacksCategory = 3,
        GroupingCategory = 4,
        FavouritesCategory = 5,
        PromotionsCategory = 6,
        CoffeeToGoCategory = 7,
        CustomCategory = 8,
    };

    explicit Category(QObject* parent = nullptr);
    ~Category() override;

    /// A copy of every member, with no parent.
    std::unique_ptr<Category> clone() const;

    /// The database row id; negative for a category that is not (yet) stored.
    int id() const { return m_id; }
    void setId(int id)
    {
        m_id = id;
        CatalogueRevision::bump();
    }

    CategoryType categoryType() const { return m_categoryType; }
    void setCategoryType(CategoryType type) { m_categoryType = type; }

    bool isDisplayed() const { return m_displayed; }
    void setIsDisplayed(bool displayed) { m_displayed = displayed; }
    /// True when the category lists at least one product.
    bool isAvailable() const;

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    int rows() const { return m_rows; }
    void setRows(int rows) { m_rows = rows; }
    int columns() const { return m_columns; }
    void setColumns(int columns) { m_columns = columns; }

    /// Product ids in display order; -1 marks an empty cell of the grid.
    QList<int> productIds() const { return m_productIds; }
    void clearIds() { m_productIds.clear(); }
    void addProductId(int id) { m_productIds << id; }

    /// Where the image comes from, and the MD5 (hex) of its content.
    QUrl imageSource() const { return m_imageSource; }
    QString imageHash() const { return m_imageHash; }
    /// Takes the image from `source`; a readable local file sets the hash of
    /// its content, anything else clears the hash unless `keepHash`.
    void setImageSource(const QUrl& source, bool keepHash);
    void setImageHash(const QString& hash) { m_imageHash = hash; }

    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

private:
    int m_id = -1;
    CategoryType m_categoryType = StandardCategory;
    bool m_displayed = false;
    QString m_title;
    int m_rows = 3;
    int m_columns = 3;
    QList<int> m_productIds;
    QUrl m_imageSource;
    QString m_imageHash;
    nonstd::optional<QString> m_extraText;
};
