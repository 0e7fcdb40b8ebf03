#pragma once

#include "lea/connectivity/sophia.h"

class Configuration;

namespace bridge {
namespace connectivity {

/// Relays the Sophia client's reports into the Sophia property object and
/// the operator's requests back, and tells the client which server to use.
class Sophia : public lea::connectivity::Sophia
{
    Q_OBJECT

public:
    explicit Sophia(QObject* parent);
    ~Sophia() override;

    void setActive(bool active) override;
    /// Takes the server and the configuration's test-server flag from `settings`.
    void setSettings(const Settings& settings) override;
    /// The test server while the loaded configuration asks for it, else the production one.
    Settings settings() const override;
    ModemData modemData() const override;
    /// Announces the data, changed or not.
    void setModemData(const ModemData& data) override;
    ModemState modemState() const override;
    /// Throws for a state the property object cannot show.
    void setModemState(ModemState state) override;
    bool isConnected() const override;
    void setIsConnected(bool connected) override;
    bool active() const override;
    void setNetworkLog(const QString& log) override;

private:
    void onConfigurationChanged(const Configuration* configuration);
};

} // namespace connectivity
} // namespace bridge
