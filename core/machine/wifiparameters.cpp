#include "core/machine/wifiparameters.h"

WifiParameters::WifiParameters(QObject* parent)
    : NetworkParameters(parent)
{
}

WifiParameters::~WifiParameters() = default;

void WifiParameters::setSSID(const QString& ssid)
{
    if (ssid == m_ssid)
        return;
    m_ssid = ssid;
    emit SSIDChanged();
}
