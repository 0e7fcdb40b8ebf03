#pragma once

#include "core/machine/networkparameters.h"

#include <QString>

/// The Wi-Fi link and the network it joins.
class WifiParameters : public NetworkParameters
{
    Q_OBJECT

public:
    explicit WifiParameters(QObject* parent = nullptr);
    ~WifiParameters() override;

    QString SSID() const { return m_ssid; }
    /// The machine joined another network (simulator hook).
    void setSSID(const QString& ssid);

signals:
    void SSIDChanged();

private:
    QString m_ssid;
};
