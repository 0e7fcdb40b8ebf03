#pragma once

#include "core/catalogue/product.h"
#include "core/catalogue/recipe.h"

#include <QList>
#include <QPair>
#include <QPointer>

class AbstractUpsellingItem;

/// A product prepared from a recipe, possibly as a jug of several cycles, with
/// a lid and upselling items offered with it.
class Beverage : public Product
{
    Q_OBJECT
    Q_PROPERTY(Recipe* recipe READ recipe WRITE setRecipe)
    Q_PROPERTY(bool jugEnabled READ isJugEnabled WRITE setJugEnabled)
    Q_PROPERTY(bool jugDefaultValue READ jugDefaultValue WRITE setJugDefaultValue)
    Q_PROPERTY(int minNumberOfCycles READ minNumberOfCycles WRITE setMinNumberOfCycles)
    Q_PROPERTY(int maxNumberOfCycles READ maxNumberOfCycles WRITE setMaxNumberOfCycles)
    Q_PROPERTY(int defaultNumberOfCycles READ defaultNumberOfCycles WRITE setDefaultNumberOfCycles)

public:
    explicit Beverage(QObject* parent = nullptr);
    ~Beverage() override;

    /// The recipe, or null; not owned.
    Recipe* recipe() const { return m_recipe.data(); }
    void setRecipe(Recipe* recipe) { m_recipe = recipe; }
    bool hasRecipe() const { return !m_recipe.isNull(); }

    bool isJugEnabled() const { return m_jugEnabled; }
    void setJugEnabled(bool enabled) { m_jugEnabled = enabled; }
    /// Whether the jug is chosen unless the customer says otherwise.
    bool jugDefaultValue() const { return m_jugDefault; }
    void setJugDefaultValue(bool value) { m_jugDefault = value; }
    int minNumberOfCycles() const { return m_minCycles; }
    void setMinNumberOfCycles(int cycles) { m_minCycles = cycles; }
    int maxNumberOfCycles() const { return m_maxCycles; }
    void setMaxNumberOfCycles(int cycles) { m_maxCycles = cycles; }
    int defaultNumberOfCycles() const { return m_defaultCycles; }
    void setDefaultNumberOfCycles(int cycles) { m_defaultCycles = cycles; }

    // The jug choice of the current selection.
    bool isJugActivated() const { return m_jugActivated; }
    void setJugActivated(bool activated) { m_jugActivated = activated; }
    int currentNumberOfCycles() const { return m_currentCycles; }
    void setCurrentNumberOfCycles(int cycles) { m_currentCycles = cycles; }

    /// The product id of the lid dispensed with the beverage; -1 without lid.
    int lidId() const { return m_lidId; }
    void setLidId(int id) { m_lidId = id; }
    bool dispensesLid() const { return m_lidId >= 0; }

    bool isUpsellingEnabled() const { return m_upsellingEnabled; }
    void setUpsellingEnabled(bool enabled) { m_upsellingEnabled = enabled; }
    /// The items offered with the beverage, in offering order; an item that is
    /// not loaded reads as null. With `onlyAvailable`, the unavailable ones
    /// are left out (a missing item counts as available).
    QList<AbstractUpsellingItem*> upsellings(bool onlyAvailable) const;
    QList<int> upsellingIds() const { return m_upsellingIds; }
    /// Each item takes its index as its layout position.
    void setUpsellingIds(const QList<int>& ids)
    {
        m_upsellingIds = ids;
        m_upsellingPositions.clear();
    }

    /// One place of the upselling layout: the item (null once it is gone) and its position on screen.
    struct UpsellingLayoutItem
    {
        QPointer<AbstractUpsellingItem> item;
        int position = 0;
    };
    /// The items in offering order, each with its layout position.
    QList<UpsellingLayoutItem> upsellingsLayout() const;
    /// The items by id, in offering order, at the layout positions given.
    void setUpsellingsLayout(const QList<QPair<int, int>>& itemsAndPositions);

private:
    QPointer<Recipe> m_recipe;
    bool m_jugEnabled = false;
    bool m_jugDefault = false;
    int m_minCycles = 1;
    int m_maxCycles = 1;
    int m_defaultCycles = 1;
    bool m_jugActivated = false;
    int m_currentCycles = 1;
    int m_lidId = -1;
    bool m_upsellingEnabled = false;
    QList<int> m_upsellingIds;
    /// Parallel to m_upsellingIds; empty when every item sits at its index.
    QList<int> m_upsellingPositions;
};
