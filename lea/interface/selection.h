#pragma once

#include "lea/ids.h"
#include "lea/products/customizations.h"
#include "lea/qrcodedata.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace interface {

/// Accessor of the customer's selection and its purchase: by touch or by
/// quick code, customised, then bought and followed while it is dispensed.
class Selection : public QObject
{
    Q_OBJECT

public:
    enum SelectionResult : int32_t {
        Success = 0,
        SelectionFailed = 1,
        CustomizationFailed = 2,
        ProductNotAvailable = 3,
        InvalidQuickCode = 4,
    };
    Q_ENUM(SelectionResult)

    /// The product the customer has selected, with the QR code shown for it.
    struct SelectionData
    {
        lea::ProductDbId product { 0 };
        /// The selection QR code, on a machine that shows one.
        nonstd::optional<lea::QRCodeData> qrCode;
        nonstd::optional<int32_t> reserved1;
        nonstd::optional<int32_t> reserved2;
        nonstd::optional<int32_t> reserved3;
    };

    ~Selection() override = default;

    /// Empty while nothing is selected.
    virtual nonstd::optional<SelectionData> selection() const = 0;
    /// The customizations of the selected beverage, as the customer has set them.
    virtual std::vector<lea::products::Customizations::Customization> selectionCustomizations() const = 0;
    virtual nonstd::optional<lea::ProductDbId> currentDispensedProduct() const = 0;
    virtual void setSelectionQRCode(const lea::QRCodeData& data) = 0;
    /// Whether a quick code can be selected, and why not.
    virtual SelectionResult quickCodeSelectionAvailable(const lea::QuickCodeId& code) const = 0;
    virtual void setSelectionFromQuickCode(const lea::QuickCodeId& code) = 0;
    virtual void setSelectionCustomizationsFromQuickCode(const lea::QuickCodeId& code) = 0;
    /// The code of the selection as customised; 0 when no beverage is selected.
    virtual lea::QuickCodeId getQuickCodeForSelection() const = 0;
    virtual bool quickSelectionAvailableForProduct(lea::ProductDbId id) const = 0;
    virtual void updateSelectionRecipe() = 0;
    /// Selects an available product (none: clears the selection); true when a product is selected.
    virtual bool setSelection(nonstd::optional<lea::ProductDbId> id) = 0;
    /// Selects what the user interface shows, unless the machine is dispensing.
    virtual bool setSelectionUpdateUI(nonstd::optional<lea::ProductDbId> id) = 0;
    /// Buys the selection, once the cup is in place.
    virtual void startDelivery() = 0;
    virtual bool waitingForCup() const = 0;
    /// The message to show for a result; empty for success.
    virtual nonstd::optional<QString> resultMessage(SelectionResult result) const = 0;

signals:
    void selectionChanged();
    void unavailableSelection(const lea::ProductDbId& id);
    void waitingForCupChanged();
    void selectionPriceChanged();
    void invalidCupCarrierPosition();
    void selectionDiscountsChanged();
    void batchAvailabilityUpdateStarted();
    void batchAvailabilityUpdateFinished();

protected:
    explicit Selection(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
