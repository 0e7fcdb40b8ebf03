#include "bridge/interface/selection.h"

#include "bridge/products/cataloguelookup.h"
#include "bridge/products/customizationconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/promotion.h"
#include "core/catalogue/snack.h"
#include "core/configuration/configuration.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/log/assert.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/machine/selectionqrcode.h"
#include "core/selection/quickselectionmanager.h"
#include "core/selection/userselectionmanager.h"

#include <QCoreApplication>
#include <string>

namespace bridge {
namespace interface {

namespace {

/// Codes up to this one are quick-selection codes; above it, snack planogram ids offset by it.
constexpr int QuickSelectionCodeLimit = 10000;

UserSelectionManager& manager()
{
    return *gCoreEnv->userSelectionManager();
}

} // namespace

/// A purchase deferred until the cup is in place: it runs on the next change of
/// the waiting-for-cup state, once, and is dropped when the selection changes.
struct Selection::PendingPurchase
{
    QMetaObject::Connection connection;
    bool pending = true;

    void drop()
    {
        pending = false;
        QObject::disconnect(connection);
    }
};

Selection::Selection(QObject* parent)
    : lea::interface::Selection(parent)
{
    UserSelectionManager* selection = &manager();
    connect(selection, &UserSelectionManager::selectedProductChanged, this, &Selection::onSelectionChanged);
    connect(selection, &UserSelectionManager::batchAvailabilityUpdateStarted, this,
        &Selection::batchAvailabilityUpdateStarted);
    connect(selection, &UserSelectionManager::batchAvailabilityUpdateFinished, this,
        &Selection::batchAvailabilityUpdateFinished);
    connect(selection, &UserSelectionManager::waitingForCupChanged, this, &Selection::waitingForCupChanged);
    connect(selection, &UserSelectionManager::unavailableProductSelected, this,
        &Selection::onUnavailableSelection);
    connect(gCoreEnv->machine()->erogationManager(), &ErogationManager::cupCarrierNotReady, this,
        &Selection::invalidCupCarrierPosition);
}

Selection::~Selection()
{
    // A purchase still waiting for the cup was asked for by this accessor's user: it stays.
}

nonstd::optional<Selection::SelectionData> Selection::selection() const
{
    const Product* product = manager().selectedProduct();
    if (!product)
        return {};
    SelectionData data;
    data.product = utils::idFromCore<lea::ProductDbId>(product->id());
    if (const SelectionQrCode* code = gCoreEnv->machine()->selectionQrCode())
        data.qrCode = lea::QRCodeData { code->selectionId(), code->selectionUrl() };
    return data;
}

std::vector<lea::products::Customizations::Customization> Selection::selectionCustomizations() const
{
    std::vector<lea::products::Customizations::Customization> customizations;
    if (const Recipe* recipe = manager().selectionRecipe()) {
        for (const RecipeCustomization* customization : recipe->customizations())
            customizations.push_back(
                products::CustomizationConverter::coreCustomizationToLeaCustomization(*customization));
    }
    return customizations;
}

nonstd::optional<lea::ProductDbId> Selection::currentDispensedProduct() const
{
    const Product* product = manager().currentDispensedProduct();
    if (!product)
        return {};
    return utils::idFromCore<lea::ProductDbId>(product->id());
}

void Selection::setSelectionQRCode(const lea::QRCodeData& data)
{
    // A machine without a selection QR code has nothing to show it on.
    if (SelectionQrCode* code = gCoreEnv->machine()->selectionQrCode())
        code->setSelectionData(data.id, data.url);
}

Selection::SelectionResult Selection::quickCodeSelectionAvailable(const lea::QuickCodeId& code) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return InvalidQuickCode;
    const Product* product = coreProductFromQuickCode(code);
    if (isQuickSelectioCode(static_cast<int>(code.value()))) {
        if (!product || !configuration->products().contains(const_cast<Product*>(product)))
            return InvalidQuickCode;
    } else if (!product) {
        return ProductNotAvailable;
    }
    if (!product->isAvailable())
        return ProductNotAvailable;
    for (const auto& choice :
        configuration->quickSelectionManager()->customizationChoicesForQuickSelectionCode(
            static_cast<int>(code.value()))) {
        if (!choice || !choice->isAvailable())
            return CustomizationFailed;
    }
    return Success;
}

void Selection::setSelectionFromQuickCode(const lea::QuickCodeId& code)
{
    if (const Product* product = coreProductFromQuickCode(code))
        setSelection(utils::idFromCore<lea::ProductDbId>(product->id()));
}

void Selection::setSelectionCustomizationsFromQuickCode(const lea::QuickCodeId& code)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    for (const auto& choice :
        configuration->quickSelectionManager()->customizationChoicesForQuickSelectionCode(
            static_cast<int>(code.value()))) {
        if (choice)
            choice->apply(manager().selectedBeverage(), manager().selectionRecipe());
    }
}

lea::QuickCodeId Selection::getQuickCodeForSelection() const
{
    const Configuration* configuration
        = utils::assertedConfiguration(utils::MissingConfiguration::Assertion, __FILE__, __LINE__);
    if (!configuration) {
        // Without a configuration there is no code to look for.
        return lea::QuickCodeId(0);
    }
    const Beverage* beverage = manager().selectedBeverage();
    if (!beverage)
        return lea::QuickCodeId(0);
    const int code = configuration->quickSelectionManager()->quickSelectionCodeForProduct(beverage->id(),
        quickselection::QsProductCustomization::customizationsFromProduct(
            beverage, manager().selectionRecipe()));
    return utils::idFromCore<lea::QuickCodeId>(code);
}

bool Selection::quickSelectionAvailableForProduct(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const nonstd::optional<int> coreId = utils::coreId(id);
    return configuration && coreId && configuration->quickSelectionManager()->isBeverageActive(*coreId);
}

void Selection::updateSelectionRecipe()
{
    const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
    printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
}

bool Selection::setSelection(nonstd::optional<lea::ProductDbId> id)
{
    if (!id) {
        manager().resetSelectedProduct();
        return true;
    }
    Product* product = coreProductByDbId(*id);
    if (!product) {
        manager().resetSelectedProduct();
        return false;
    }
    if (!product->isAvailable())
        return false;
    manager().setSelectedProduct(product, quint8(1));
    return manager().isProductSelected();
}

bool Selection::setSelectionUpdateUI(nonstd::optional<lea::ProductDbId> id)
{
    if (gCoreEnv->machine()->isErogating()) {
        gGuiEnv->guiManager()->displayCheckCupMessage();
        return false;
    }
    manager().resetSelectedProduct();
    if (!id)
        return true;
    Product* product = coreProductByDbId(*id);
    if (!product)
        return false;
    manager().setSelectedProduct(product, quint8(1));
    return manager().isProductSelected();
}

void Selection::startDelivery()
{
    UserSelectionManager* selection = &manager();
    if (!gCoreEnv->machine()->erogationManager()->isCupCarrierReady() || !selection->isProductSelected())
        return;
    if (!selection->selectedProduct()->isAvailable())
        return;
    if (selection->currentState() != UserSelectionManager::WaitingForCup) {
        selection->buySelectedProduct();
        return;
    }
    // One purchase waits at a time: a second request must not buy twice.
    if (m_pendingPurchase && m_pendingPurchase->pending)
        return;
    auto purchase = std::make_shared<PendingPurchase>();
    purchase->connection = connect(
        selection, &UserSelectionManager::waitingForCupChanged, selection,
        [selection, purchase] {
            purchase->drop();
            if (selection->currentState() != UserSelectionManager::WaitingForCup
                && selection->isProductSelected())
                selection->buySelectedProduct();
        },
        Qt::DirectConnection);
    m_pendingPurchase = purchase;
}

bool Selection::waitingForCup() const
{
    return manager().currentState() == UserSelectionManager::WaitingForCup;
}

nonstd::optional<QString> Selection::resultMessage(SelectionResult result) const
{
    const char* context = "bridge::interface::Selection";
    switch (result) {
    case SelectionFailed:
        return QCoreApplication::translate(context, "Selection failed");
    case CustomizationFailed:
        return QCoreApplication::translate(context, "Setting customization failed");
    case ProductNotAvailable:
        return QCoreApplication::translate(context, "Product not available");
    case InvalidQuickCode:
        return QCoreApplication::translate(context, "Invalid quick code selection");
    default:
        return {};
    }
}

void Selection::onSelectionChanged(Product* product)
{
    // A purchase waiting for the cup was for the previous selection.
    if (m_pendingPurchase) {
        m_pendingPurchase->drop();
        m_pendingPurchase.reset();
    }
    if (m_product) {
        disconnect(m_product, nullptr, this, nullptr);
        disconnectPromotionBeverage();
    }
    m_product = product;
    if (!product)
        return;
    connectPromotionBeverage();
    connect(product, &Product::priceChanged, this, &Selection::selectionPriceChanged);
    connect(product, &Product::discountsChanged, this, &Selection::selectionDiscountsChanged);
    emit selectionChanged();
}

void Selection::onUnavailableSelection(const Product* product)
{
    if (product)
        emit unavailableSelection(utils::idFromCore<lea::ProductDbId>(product->id()));
}

Product* Selection::coreProductByDbId(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration ? products::lookup::product(*configuration, id) : nullptr;
}

Product* Selection::coreProductFromQuickCode(const lea::QuickCodeId& code) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        return nullptr;
    const int value = static_cast<int>(code.value());
    if (isQuickSelectioCode(value))
        return configuration->quickSelectionManager()->productForQuickSelectionCode(value);
    return configuration->snackFromPlanogramId(value - QuickSelectionCodeLimit);
}

bool Selection::isQuickSelectioCode(int code) const
{
    return code <= QuickSelectionCodeLimit;
}

void Selection::connectPromotionBeverage()
{
    const auto* promotion = qobject_cast<const Promotion*>(m_product.data());
    const Configuration* configuration = gCoreEnv->configuration();
    if (!promotion || !configuration || promotion->promotionTypes().value(0) != 1
        || promotion->beverageIds().isEmpty())
        return;
    m_promotedBeverage = configuration->beverageFromDbId(promotion->beverageIds().first());
    if (m_promotedBeverage)
        connect(m_promotedBeverage, &Product::priceChanged, this, &Selection::selectionPriceChanged);
}

void Selection::disconnectPromotionBeverage()
{
    if (m_promotedBeverage)
        disconnect(m_promotedBeverage, &Product::priceChanged, this, &Selection::selectionPriceChanged);
    m_promotedBeverage = nullptr;
}

} // namespace interface
} // namespace bridge
