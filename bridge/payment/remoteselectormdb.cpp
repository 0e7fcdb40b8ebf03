#include "bridge/payment/remoteselectormdb.h"

#include "bridge/utils.h"
#include "core/catalogue/product.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/payment/payment.h"

namespace bridge {
namespace payment {

RemoteSelectorMdb::RemoteSelectorMdb(QObject* parent)
    : lea::payment::RemoteSelectorMdb(parent)
{
    connect(
        gCoreEnv->payment(), &Payment::mdbRemoteSelection, this, &RemoteSelectorMdb::onRemoteSelectionMdb);
}

RemoteSelectorMdb::~RemoteSelectorMdb() = default;

Product* RemoteSelectorMdb::coreProductByItemNumber(quint16 itemNumber) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return nullptr;
    for (Product* product : configuration->products()) {
        if (product->itemNumber() == itemNumber)
            return product;
    }
    return nullptr;
}

void RemoteSelectorMdb::onRemoteSelectionMdb(const Mdb::SelectionRequest& request)
{
    LogFormatter(LogLevel::Debug).log(Log::Payment)
        << Q_FUNC_INFO << "product item number" << request.itemNumber << static_cast<const void*>(this);
    const Product* product = coreProductByItemNumber(request.itemNumber);
    if (!product) {
        LogFormatter(LogLevel::Warning).log(Log::Payment)
            << Q_FUNC_INFO << "product not found for item number:" << request.itemNumber;
        // The device waits for an answer: an unknown item is refused like an unavailable one.
        gCoreEnv->payment()->sendRemoteSelectionDenied();
        return;
    }
    if (!product->isAvailable()) {
        gCoreEnv->payment()->sendRemoteSelectionDenied();
        return;
    }
    lea::payment::RemoteSelectionMdb selection { request.itemNumber, request.value };
    emit remoteSelectionMdb(selection);
}

} // namespace payment
} // namespace bridge
