#pragma once

#include "lea/connectivity/ersprotocol.h"

namespace bridge {
namespace connectivity {

/// The ERS protocol's selection numbers of the products, kept by the core,
/// and the states of its integrations, shown by the core GUI.
class ERSProtocol : public lea::connectivity::ERSProtocol
{
    Q_OBJECT

public:
    explicit ERSProtocol(QObject* parent);
    ~ERSProtocol() override;

    nonstd::optional<unsigned char> selectionNumber(const lea::ProductDbId& productId) const override;
    /// Empty also when the number names a product that was never stored.
    nonstd::optional<lea::ProductDbId> dbId(unsigned char selectionNumber) const override;
    /// A refused save is logged and changes nothing.
    void setSelectionNumber(const lea::ProductDbId& productId, unsigned char selectionNumber) override;
    /// Throw std::invalid_argument for a status the core does not know.
    void setQRCodePSStatus(Status status) override;
    void setMacasStatus(Status status) override;
    /// Not offered: logged, nothing changes.
    void setCoffeeAppealStatus(Status status) override;
    void setVireoProUpStatus(Status status) override;
    Settings settings() const override;
};

} // namespace connectivity
} // namespace bridge
