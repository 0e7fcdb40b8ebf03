#include "demo/showcase/menuseed.h"

#include "bridge/bridge.h"
#include "lea/payment/productsprice.h"
#include "lea/products/beverages.h"
#include "lea/products/categories.h"
#include "lea/products/products.h"
#include "lea/products/recipes.h"

#include <memory>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>

namespace showcase {

namespace {

template <class Accessor, class Factory> std::unique_ptr<Accessor> create(Factory& factory)
{
    auto& imp = static_cast<lea::priv::AbstractFactoryImp<Accessor>&>(factory);
    return std::unique_ptr<Accessor>(imp.createImp(static_cast<Accessor*>(nullptr), nullptr));
}

bool fail(const QString& what)
{
    QTextStream(stderr) << "showcase: " << what << '\n';
    return false;
}

nonstd::optional<lea::RecipeDbId> createRecipe(lea::products::Recipes& recipes, const QString& name)
{
    lea::products::Recipes::Step step;
    step.type = lea::products::Recipes::WaterOnly;
    step.description = name;
    step.waterSpeed = 8;
    step.waterDose = 120;
    const auto stepId = recipes.createStep(step);
    if (!stepId)
        return {};
    lea::products::Recipes::Recipe recipe = recipes.defaultRecipe();
    recipe.name = name;
    recipe.hasCup = true;
    recipe.steps = { *stepId };
    return recipes.createRecipe(recipe);
}

/// Writes a solid-colour PNG for product `id` and makes it the product's image.
bool setImage(
    lea::products::Products& products, lea::ProductDbId id, const QColor& colour, const QString& directory)
{
    QImage image(96, 96, QImage::Format_RGB32);
    image.fill(colour);
    const QString file = QDir(directory).filePath(QStringLiteral("%1.png").arg(id.value()));
    if (!image.save(file, "PNG"))
        return fail(QStringLiteral("cannot write ") + file);
    products.setImagePath(id, QFileInfo(file));
    return true;
}

} // namespace

std::vector<MenuItem> defaultMenu()
{
    return {
        { QStringLiteral("Espresso"), 120, QColor(0x6f, 0x3b, 0x1e) },
        { QStringLiteral("Cappuccino"), 180, QColor(0xd9, 0xa0, 0x5b) },
        { QStringLiteral("Hot chocolate"), 200, QColor(0x8e, 0x24, 0x4d) },
        { QStringLiteral("Green tea"), 150, QColor(0x3c, 0x9d, 0x4e) },
        { QStringLiteral("Latte macchiato"), 210, QColor(0xf2, 0xe3, 0xc6) },
        { QStringLiteral("Hot water"), 50, QColor(0x2f, 0x6f, 0xc8) },
    };
}

bool seedMenu(bridge::Bridge& bridge, const std::vector<MenuItem>& menu, const QString& imageDirectory)
{
    auto recipes = create<lea::products::Recipes>(bridge.productsFactory());
    auto beverages = create<lea::products::Beverages>(bridge.productsFactory());
    auto products = create<lea::products::Products>(bridge.productsFactory());
    auto categories = create<lea::products::Categories>(bridge.productsFactory());
    auto prices = create<lea::payment::ProductsPrice>(bridge.paymentFactory());
    if (!QDir().mkpath(imageDirectory))
        return fail(QStringLiteral("cannot create ") + imageDirectory);

    lea::products::Categories::Category drinks;
    drinks.title = QStringLiteral("Hot drinks");
    drinks.displayed = true;
    std::map<lea::ProductDbId, lea::payment::ProductsPrice::ProductPrices> table;
    for (const MenuItem& item : menu) {
        const auto recipe = createRecipe(*recipes, item.name);
        if (!recipe)
            return fail(QStringLiteral("the recipe of %1 was not stored").arg(item.name));
        lea::products::Beverages::Beverage beverage;
        beverage.recipe = *recipe;
        const auto id = beverages->create(beverage);
        if (!id)
            return fail(QStringLiteral("%1 was not offered").arg(item.name));
        auto basics = products->basics(*id).value_or(lea::products::Products::BasicProduct {});
        basics.name = item.name;
        products->setBasics(*id, basics);

        if (!setImage(*products, *id, item.colour, imageDirectory))
            return false;

        table[*id] = { { lea::payment::TimeBands::TimeBand0, { item.price, item.price, item.price, 0 } } };
        drinks.products.push_back(*id);
    }
    prices->setProductsPrices(table);
    categories->addCategory(drinks);
    return true;
}

bool giveImages(bridge::Bridge& bridge, const QString& imageDirectory)
{
    auto products = create<lea::products::Products>(bridge.productsFactory());
    if (!QDir().mkpath(imageDirectory))
        return fail(QStringLiteral("cannot create ") + imageDirectory);
    const std::vector<MenuItem> palette = defaultMenu();
    std::size_t next = 0;
    for (const auto& entry : products->usedProducts()) {
        const lea::ProductDbId id = entry.first;
        if (!products->getImagePath(id).filePath().isEmpty())
            continue;
        // Past the palette, colours of their own from the golden angle.
        const QColor colour
            = next < palette.size() ? palette[next].colour : QColor::fromHsv(int(next * 137 % 360), 160, 200);
        ++next;
        if (!setImage(*products, id, colour, imageDirectory))
            return false;
    }
    return true;
}

} // namespace showcase
