#include "bridge/connectivity/maestroimagehandler.h"

#include "bridge/localimagestore.h"
#include "bridge/utils.h"
#include "core/catalogue/product.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"

#include <exception>

namespace bridge {
namespace connectivity {

MaestroImageHandler* MaestroImageHandler::getInstatnce()
{
    static MaestroImageHandler handler;
    handler.followCore();
    return &handler;
}

MaestroImageHandler::MaestroImageHandler() = default;

MaestroImageHandler::~MaestroImageHandler() = default;

void MaestroImageHandler::followCore()
{
    // The machine has one core; a simulator may build another one after the first is gone.
    if (!gCoreEnv || m_core == gCoreEnv)
        return;
    m_core = gCoreEnv;
    utils::connectToConfiguration(
        &Configuration::usedProductsChanged, this, &MaestroImageHandler::onUsedProductsChanged);
    saveProductsImage();
}

void MaestroImageHandler::saveProductsImage() const
{
    const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr;
    if (!configuration)
        return;
    for (const Product* product : configuration->usedProducts()) {
        // One image that cannot be written must not keep the others from the store.
        try {
            LocalImageStore::instance().getBeverageImage(QStringLiteral("source"), product->id());
        } catch (const std::exception& e) {
            LogFormatter(LogLevel::Error).log(Log::Product)
                << Q_FUNC_INFO << "Could not store the image of product" << product->id() << e.what();
        }
    }
}

void MaestroImageHandler::onUsedProductsChanged()
{
    saveProductsImage();
}

} // namespace connectivity
} // namespace bridge
