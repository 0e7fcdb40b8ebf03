#include "bridge/connectivity/touchless.h"

#include "bridge/utils.h"

namespace bridge {
namespace connectivity {

Touchless::Touchless(QObject* parent)
    : lea::connectivity::Touchless(parent)
{
}

Touchless::~Touchless() = default;

lea::connectivity::Touchless::Settings Touchless::settings() const
{
    utils::reportNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
    return {};
}

std::vector<QString> Touchless::confirmationCodes() const
{
    utils::reportNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
    return {};
}

void Touchless::setNetworkLog(const QString& /*log*/)
{
    utils::reportNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
}

void Touchless::setStatus(Status /*status*/)
{
    utils::reportNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
}

void Touchless::isActiveChanged(bool /*active*/)
{
    utils::reportNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
}

void Touchless::qrCodeGenerated(const QString& /*qrCode*/)
{
    utils::reportNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
}

void Touchless::invalidSelectionQrCode()
{
    utils::reportNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
}

} // namespace connectivity
} // namespace bridge
