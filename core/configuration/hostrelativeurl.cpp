#include "core/configuration/hostrelativeurl.h"

namespace webview {

HostRelativeUrl::HostRelativeUrl(QObject* parent)
    : QObject(parent)
{
}

HostRelativeUrl::~HostRelativeUrl() = default;

QString HostRelativeUrl::protocolToString(ProtocolEnum protocol)
{
    switch (protocol) {
    case Https:
        return QStringLiteral("https://");
    case Http:
        return QStringLiteral("http://");
    }
    return QString();
}

} // namespace webview
