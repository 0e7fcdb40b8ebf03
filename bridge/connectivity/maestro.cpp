#include "bridge/connectivity/maestro.h"

#include "bridge/connectivity/maestroimagehandler.h"
#include "core/coreenvironment.h"

namespace bridge {
namespace connectivity {

Maestro::Maestro(QObject* parent)
    : lea::connectivity::Maestro(parent)
    , m_imageHandler(MaestroImageHandler::getInstatnce())
{
}

Maestro::~Maestro() = default;

void Maestro::versionsChanged(const Versions& versions)
{
    gCoreEnv->setMaestroSdkVersion(versions.sdkVersion);
    gCoreEnv->setMaestroUiVersion(versions.uiVersion);
}

} // namespace connectivity
} // namespace bridge
