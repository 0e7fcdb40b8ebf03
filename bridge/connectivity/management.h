#pragma once

#include "lea/connectivity/management.h"

class Configuration;

namespace bridge {
namespace connectivity {

/// Tells which outside services are switched on: each flag follows its setting
/// of the loaded configuration (or of the machine), is read again when another
/// configuration is loaded, and announces each change once.
class Management : public lea::connectivity::Management
{
    Q_OBJECT

public:
    explicit Management(QObject* parent);
    ~Management() override;

    bool amicloEnabled() const override { return m_amicloEnabled; }
    bool paxioEnabled() const override { return m_paxioEnabled; }
    bool maestroEnabled() const override { return m_maestroEnabled; }
    /// Never on: this machine has no Sophia client.
    bool sophiaEnabled() const override { return false; }
    bool ersprotocolEnabled() const override { return m_ersprotocolEnabled; }
    bool televendEnabled() const override { return m_televendEnabled; }
    /// Never on: this machine has no touchless ordering.
    bool touchlessEnabled() const override { return false; }
    /// Either cashless device may select remotely.
    bool remoteSelectorMdbEnabled() const override;
    bool newDigitalEnabled() const override { return m_newDigitalEnabled; }

    // Each stores a value that differs from the cached one and announces it.
    void setAmiCloEnabled(bool enabled);
    void setPaxioEnabled(bool enabled);
    void setMaestroEnabled(bool enabled);
    void setErsprotocolEnabled(bool enabled);
    void setTelevendEnabled(bool enabled);
    void setNewDigitalEnabled(bool enabled);
    /// Each stores a value that differs and announces the remote selector state.
    void setCashless1RemSelEnabled(bool enabled);
    void setCashless2RemSelEnabled(bool enabled);

    /// Announces the remote selector state, changed or not.
    void updateRemoteSelectorMdbEnabled();
    /// Takes the ERS protocol flag from the machine and the environment.
    void updateERSProtocolEnabled();
    /// Follows the settings of `configuration`, or turns every flag it drives
    /// off when there is none.
    void onConfigurationChanged(const Configuration* configuration);

private:
    void followConfiguration(const Configuration& configuration);
    void dropConfiguration();

    bool m_amicloEnabled = false;
    bool m_paxioEnabled = false;
    bool m_maestroEnabled = false;
    bool m_ersprotocolEnabled = false;
    bool m_televendEnabled = false;
    bool m_cashless1RemoteSelection = false;
    bool m_cashless2RemoteSelection = false;
    bool m_newDigitalEnabled = false;
};

} // namespace connectivity
} // namespace bridge
