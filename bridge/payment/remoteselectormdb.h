#pragma once

#include "core/payment/mdbselectionrequest.h"
#include "lea/payment/remoteselectormdb.h"

class Product;

namespace bridge {
namespace payment {

/// Vends that a cashless device on the MDB bus asks for by item number:
/// passed to the user interface when the product can be sold, otherwise
/// denied to the device.
class RemoteSelectorMdb : public lea::payment::RemoteSelectorMdb
{
    Q_OBJECT

public:
    explicit RemoteSelectorMdb(QObject* parent);
    ~RemoteSelectorMdb() override;

    /// The first product of the loaded configuration with that item number, or null.
    Product* coreProductByItemNumber(quint16 itemNumber) const;

private slots:
    void onRemoteSelectionMdb(const Mdb::SelectionRequest& request);
};

} // namespace payment
} // namespace bridge
