#pragma once

#include <memory>
#include <QObject>
#include <QString>

namespace core {
namespace loyalty {
class Manager;
}
} // namespace core
class BackupManager;
class Configuration;
class ConfigurationGroup;
class ConfigurationManager;
class Machine;
class MachineClock;
class Payment;
class Path;
class PathRegistry;
class RebootManager;
class UserSelectionManager;

/// The machine core: the active configuration group and the configuration
/// loaded from it.
class CoreEnvironment : public QObject
{
    Q_OBJECT

public:
    explicit CoreEnvironment(std::unique_ptr<ConfigurationGroup> group, QObject* parent = nullptr);
    ~CoreEnvironment() override;

    /// The loaded configuration, or null while none is loaded.
    Configuration* configuration() const { return m_configuration.get(); }
    ConfigurationGroup* configurationGroup() const { return m_group.get(); }
    ConfigurationManager* configurationManager() const { return m_configurationManager.get(); }
    PathRegistry* pathRegistry() const { return m_pathRegistry.get(); }
    /// The machine's directories for media, downloads, logs and updates.
    Path* path() const { return m_path.get(); }
    Machine* machine() const { return m_machine.get(); }
    UserSelectionManager* userSelectionManager() const { return m_userSelectionManager.get(); }
    Payment* payment() const { return m_payment.get(); }
    bool processFreeVendCode(const QString& code) const; ///< true when the code bought one free vend
    /// The machine's date and time, simulated in tests and the demo.
    MachineClock* clock() const { return m_clock.get(); }
    RebootManager* rebootManager() const { return m_rebootManager.get(); }
    /// The loyalty programme; null on a machine without one.
    core::loyalty::Manager* loyaltyManager() const { return m_loyaltyManager.get(); }
    void setLoyaltyManagerFitted(bool fitted);
    BackupManager* backupManager() const { return m_backupManager.get(); }
    /// Shows `text` to the operator.
    void showMessage(const QString& text) { emit messageShown(text); }
    /// What the core runs on: 1 is a desktop computer, without the machine's board and disks.
    int platform() const { return m_platform; }
    void setPlatform(int platform) { m_platform = platform; }
    /// The core makes up the temperatures of cold products instead of asking slave machines.
    bool isSimulatingColdProducts() const { return m_simulatingColdProducts; }
    void setSimulatingColdProducts(bool simulating) { m_simulatingColdProducts = simulating; }
    /// The core runs without an actuator board and only pretends to drive one.
    bool isSimulatingActuatorBoard() const { return m_simulatingActuatorBoard; }
    void setSimulatingActuatorBoard(bool simulating) { m_simulatingActuatorBoard = simulating; }
    /// The kind of the machine's controller board; it decides which partition holds the data.
    int hardwareKind() const { return m_hardwareKind; }
    void setHardwareKind(int kind) { m_hardwareKind = kind; }
    /// The versions the Maestro client reports of its SDK and its user interface.
    QString maestroSdkVersion() const { return m_maestroSdkVersion; }
    void setMaestroSdkVersion(const QString& version) { m_maestroSdkVersion = version; }
    QString maestroUiVersion() const { return m_maestroUiVersion; }
    void setMaestroUiVersion(const QString& version) { m_maestroUiVersion = version; }

    /// Builds a fresh configuration from the active group and makes it current;
    /// the previous one is destroyed after configurationChanged() was delivered.
    Configuration* loadConfiguration();
    /// Drops the loaded configuration; configurationChanged(nullptr) follows.
    void unloadConfiguration();
    /// Makes `group` the active group and loads its configuration; the previous
    /// group is closed once its configuration is gone.
    Configuration* replaceConfigurationGroup(std::unique_ptr<ConfigurationGroup> group);

signals:
    void configurationChanged(const Configuration* configuration);
    /// Another group is active; its configuration follows with configurationChanged().
    void configurationGroupChanged();
    void messageShown(const QString& text);

private:
    void replaceConfiguration(std::unique_ptr<Configuration> configuration);

    std::unique_ptr<ConfigurationGroup> m_group;
    std::unique_ptr<Configuration> m_configuration;
    std::unique_ptr<ConfigurationManager> m_configurationManager;
    std::unique_ptr<PathRegistry> m_pathRegistry;
    std::unique_ptr<Path> m_path;
    std::unique_ptr<Machine> m_machine;
    std::unique_ptr<UserSelectionManager> m_userSelectionManager;
    std::unique_ptr<Payment> m_payment;
    std::unique_ptr<MachineClock> m_clock;
    std::unique_ptr<RebootManager> m_rebootManager;
    std::unique_ptr<core::loyalty::Manager> m_loyaltyManager;
    std::unique_ptr<BackupManager> m_backupManager;
    int m_platform = 0;
    int m_hardwareKind = 0;
    bool m_simulatingColdProducts = false;
    bool m_simulatingActuatorBoard = false;
    QString m_maestroSdkVersion;
    QString m_maestroUiVersion;
};

extern CoreEnvironment* gCoreEnv;
