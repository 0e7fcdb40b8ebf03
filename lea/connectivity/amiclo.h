#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QDateTime>
#include <QObject>
#include <QString>

namespace lea {
namespace connectivity {

/// Accessor of the AmiClo telemetry service: its client reports into it, and
/// listens to its signals for the operator's requests.
class AmiClo : public QObject
{
    Q_OBJECT

public:
    /// The subscription of the machine at the service.
    struct Profile
    {
        QString uuid;
        QString name;
        uint64_t imageCredits = 0;
        uint64_t videoCredits = 0;
        uint64_t monthlyPackage = 0;
        uint64_t octetsPerCredit = 0;
    };

    /// The credits the machine has for downloads.
    struct Credits
    {
        uint64_t real = 0;
        uint64_t projection = 0;
        QDateTime lastUpdate;
        bool extensionActive = false;
        bool countDisabled = false;
    };

    ~AmiClo() override = default;

    virtual void activeChanged(bool active) = 0;
    virtual void networkAvailableChanged(bool available) = 0;
    virtual void profileChanged(const nonstd::optional<Profile>& profile) = 0;
    virtual void creditsChanged(const Credits& credits) = 0;
    virtual void libraryVersionChanged(const QString& version) = 0;
    virtual void protocolVersionChanged(const QString& version) = 0;
    virtual void applicationUpdateAvailableChanged(bool available) = 0;
    virtual void applicationUpdateFinished(bool succeeded, QString message) = 0;
    virtual void configGroupAvailableChanged(bool available) = 0;
    virtual void configGroupUncompressFinished(bool succeeded, QString message) = 0;
    virtual void configGroupImportFinished(bool succeeded) = 0;
    /// Imports the configuration group that the client downloaded to `path`.
    virtual void importConfigurationGroup(const QString& path) = 0;
    virtual void saveConfigurationGroupConnectivityId(const QString& id) = 0;
    virtual void completeBackupAvailableChanged(bool available) = 0;
    virtual void completeBackupUncompressFinished(bool succeeded, QString message) = 0;
    virtual void completeBackupImportFinished(bool succeeded, const QString& message) = 0;
    /// Imports the complete backup that the client downloaded to `path`.
    virtual void importBackup(const QString& path) = 0;
    virtual void uiUpdateAvailableChanged(bool available) = 0;
    virtual void uiUpdateUncompressFinished(bool succeeded, QString message) = 0;
    virtual void networkLogChanged(const QString& log) = 0;

signals:
    // The operator's requests.
    void updateApplication();
    void importConfigGroup();
    void importCompleteBackup();
    void importUiUpdate();
    void updateNetworkLog(unsigned int page);
    /// The machine is activating a beverage configuration; downloads should wait.
    void beverageConfigurationActivationRunning(bool running);
    void configurationGroupNotUpdated();
    void completeBackupNotUpdated();

protected:
    explicit AmiClo(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
