#pragma once

#include "lea/interface/selection.h"

#include <memory>
#include <QMetaObject>
#include <QPointer>

class Product;

namespace bridge {
namespace interface {

/// The customer's selection, held by the core's user selection manager: set
/// by touch or quick code, customised, bought. Relays the manager's selection,
/// price, availability and cup-carrier notifications.
class Selection : public lea::interface::Selection
{
    Q_OBJECT

public:
    explicit Selection(QObject* parent);
    ~Selection() override;

    nonstd::optional<SelectionData> selection() const override;
    std::vector<lea::products::Customizations::Customization> selectionCustomizations() const override;
    nonstd::optional<lea::ProductDbId> currentDispensedProduct() const override;
    void setSelectionQRCode(const lea::QRCodeData& data) override;
    SelectionResult quickCodeSelectionAvailable(const lea::QuickCodeId& code) const override;
    void setSelectionFromQuickCode(const lea::QuickCodeId& code) override;
    void setSelectionCustomizationsFromQuickCode(const lea::QuickCodeId& code) override;
    lea::QuickCodeId getQuickCodeForSelection() const override;
    bool quickSelectionAvailableForProduct(lea::ProductDbId id) const override;
    void updateSelectionRecipe() override;
    bool setSelection(nonstd::optional<lea::ProductDbId> id) override;
    bool setSelectionUpdateUI(nonstd::optional<lea::ProductDbId> id) override;
    void startDelivery() override;
    bool waitingForCup() const override;
    nonstd::optional<QString> resultMessage(SelectionResult result) const override;

private slots:
    void onSelectionChanged(Product* product);
    void onUnavailableSelection(const Product* product);

private:
    Product* coreProductByDbId(lea::ProductDbId id) const;
    Product* coreProductFromQuickCode(const lea::QuickCodeId& code) const;
    bool isQuickSelectioCode(int code) const;
    void connectPromotionBeverage();
    void disconnectPromotionBeverage();

    struct PendingPurchase;

    /// Guarded: a configuration replacement or an editor may delete the product.
    QPointer<Product> m_product;
    QPointer<Product> m_promotedBeverage;
    /// The one purchase waiting for the cup, if any.
    std::shared_ptr<PendingPurchase> m_pendingPurchase;
};

} // namespace interface
} // namespace bridge
