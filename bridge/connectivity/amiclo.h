#pragma once

#include "lea/connectivity/amiclo.h"

namespace bridge {
namespace connectivity {

class DownloadImports;

/// Relays the AmiClo client's reports into the AmiClo property object, the
/// operator's requests from it back to the client, and carries out the
/// imports the client downloaded.
class AmiClo : public lea::connectivity::AmiClo
{
    Q_OBJECT

public:
    explicit AmiClo(QObject* parent);
    ~AmiClo() override;

    void activeChanged(bool active) override;
    void networkAvailableChanged(bool available) override;
    /// Without a profile, only the profile's uuid is cleared.
    void profileChanged(const nonstd::optional<Profile>& profile) override;
    void creditsChanged(const Credits& credits) override;
    void libraryVersionChanged(const QString& version) override;
    void protocolVersionChanged(const QString& version) override;
    void applicationUpdateAvailableChanged(bool available) override;
    void applicationUpdateFinished(bool succeeded, QString message) override;
    void configGroupAvailableChanged(bool available) override;
    void configGroupUncompressFinished(bool succeeded, QString message) override;
    /// The group is pending exactly when its import succeeded.
    void configGroupImportFinished(bool succeeded) override;
    /// Announces the import to the operator and imports the group a moment later.
    void importConfigurationGroup(const QString& path) override;
    /// Ends the pending state and stores the id with the active group.
    void saveConfigurationGroupConnectivityId(const QString& id) override;
    void completeBackupAvailableChanged(bool available) override;
    void completeBackupUncompressFinished(bool succeeded, QString message) override;
    /// The core's answer to a backup import; a failure is logged and announced.
    void completeBackupImportFinished(bool succeeded, const QString& message) override;
    void importBackup(const QString& path) override;
    void uiUpdateAvailableChanged(bool available) override;
    void uiUpdateUncompressFinished(bool succeeded, QString message) override;
    void networkLogChanged(const QString& log) override;

private:
    DownloadImports* m_imports;
};

} // namespace connectivity
} // namespace bridge
