#pragma once

#include "bridge/qml/propertytexts.h"
#include "bridge/qml/updatelist.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

namespace bridge {
namespace qml {

/// The AmiClo service's state as the user interface shows it, and the
/// operator's requests to the service. One instance per process, published
/// to QML as "AmiClo"; the AmiClo accessor fills it.
class AmiCloProperties : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool active READ active NOTIFY activeChanged)
    Q_PROPERTY(bool networkAvailable READ networkAvailable NOTIFY networkAvailableChanged)
    Q_PROPERTY(QDateTime creditsLastUpdate READ creditsLastUpdate NOTIFY creditsLastUpdateChanged)
    Q_PROPERTY(quint64 creditsProjection READ creditsProjection NOTIFY creditsProjectionChanged)
    Q_PROPERTY(quint64 creditsReal READ creditsReal NOTIFY creditsRealChanged)
    Q_PROPERTY(bool creditsExtensionActive READ creditsExtensionActive NOTIFY creditsExtensionActiveChanged)
    Q_PROPERTY(bool creditsCountDisabled READ creditsCountDisabled NOTIFY creditsCountDisabledChanged)
    Q_PROPERTY(QString libraryVersion READ libraryVersion NOTIFY libraryVersionChanged)
    Q_PROPERTY(quint64 profileImageCredits READ profileImageCredits NOTIFY profileImageCreditsChanged)
    Q_PROPERTY(quint64 profileMonthlyPackage READ profileMonthlyPackage NOTIFY profileMonthlyPackageChanged)
    Q_PROPERTY(QString profileName READ profileName NOTIFY profileNameChanged)
    Q_PROPERTY(
        quint64 profileOctetsPerCredit READ profileOctetsPerCredit NOTIFY profileOctetsPerCreditChanged)
    Q_PROPERTY(QString profileUuid READ profileUuid NOTIFY profileUuidChanged)
    Q_PROPERTY(quint64 profileVideoCredits READ profileVideoCredits NOTIFY profileVideoCreditsChanged)
    Q_PROPERTY(QString protocolVersion READ protocolVersion NOTIFY protocolVersionChanged)
    Q_PROPERTY(bool softwareAvailable READ softwareAvailable NOTIFY softwareAvailableChanged)
    Q_PROPERTY(QString networkLog READ networkLog NOTIFY networkLogChanged)
    Q_PROPERTY(int linesPerLogPage READ linesPerLogPage CONSTANT)
    Q_PROPERTY(QStringList softwareUpdateAvailableList READ softwareUpdateAvailableList)
    Q_PROPERTY(QString applicationUpdateName READ applicationUpdateName CONSTANT)
    Q_PROPERTY(QString configGroupName READ configGroupName CONSTANT)
    Q_PROPERTY(QString completeBackupName READ completeBackupName CONSTANT)
    Q_PROPERTY(QString uiUpdateName READ uiUpdateName CONSTANT)
    Q_PROPERTY(bool configGroupPending READ configGroupPending WRITE setConfigGroupPending NOTIFY
            configGroupPendingChanged)

public:
    /// The process's instance: made on the first call, never destroyed.
    static AmiCloProperties* instance();

    bool active() const { return m_active; }
    bool networkAvailable() const { return m_networkAvailable; }
    QDateTime creditsLastUpdate() const { return m_creditsLastUpdate; }
    quint64 creditsProjection() const { return m_creditsProjection; }
    quint64 creditsReal() const { return m_creditsReal; }
    bool creditsExtensionActive() const { return m_creditsExtensionActive; }
    bool creditsCountDisabled() const { return m_creditsCountDisabled; }
    QString libraryVersion() const { return m_libraryVersion; }
    quint64 profileImageCredits() const { return m_profileImageCredits; }
    quint64 profileMonthlyPackage() const { return m_profileMonthlyPackage; }
    QString profileName() const { return m_profileName; }
    quint64 profileOctetsPerCredit() const { return m_profileOctetsPerCredit; }
    QString profileUuid() const { return m_profileUuid; }
    quint64 profileVideoCredits() const { return m_profileVideoCredits; }
    QString protocolVersion() const { return m_protocolVersion; }
    bool softwareAvailable() const { return m_softwareAvailable; }
    QString networkLog() const { return m_networkLog; }
    int linesPerLogPage() const { return texts::linesPerLogPage; }
    QStringList softwareUpdateAvailableList() const { return m_updates.names(); }
    QString applicationUpdateName() const { return texts::applicationUpdate(); }
    QString configGroupName() const { return texts::configGroup(); }
    QString completeBackupName() const { return texts::completeBackup(); }
    QString uiUpdateName() const { return texts::uiUpdate(); }
    bool configGroupPending() const { return m_configGroupPending; }

    // Each setter stores and notifies only a value that differs.
    void setActive(bool active);
    void setNetworkAvailable(bool available);
    void setCreditsLastUpdate(const QDateTime& lastUpdate);
    void setCreditsProjection(quint64 projection);
    void setCreditsReal(quint64 real);
    void setCreditsExtensionActive(bool active);
    void setCreditsCountDisabled(bool disabled);
    void setLibraryVersion(const QString& version);
    void setProfileImageCredits(quint64 credits);
    void setProfileMonthlyPackage(quint64 package);
    void setProfileName(const QString& name);
    void setProfileOctetsPerCredit(quint64 octets);
    void setProfileUuid(const QString& uuid);
    void setProfileVideoCredits(quint64 credits);
    void setProtocolVersion(const QString& version);
    void setSoftwareAvailable(bool available);
    void setNetworkLog(const QString& log);
    void setConfigGroupPending(bool pending);

    /// Lists the update called `name` (one of the four update names) while
    /// it is available; softwareAvailable follows whether any is listed.
    void setUpdateAvailable(const QString& name, bool available);

signals:
    void activeChanged();
    void networkAvailableChanged();
    void creditsLastUpdateChanged();
    void creditsProjectionChanged();
    void creditsRealChanged();
    void creditsExtensionActiveChanged();
    void creditsCountDisabledChanged();
    void libraryVersionChanged();
    void profileImageCreditsChanged();
    void profileMonthlyPackageChanged();
    void profileNameChanged();
    void profileOctetsPerCreditChanged();
    void profileUuidChanged();
    void profileVideoCreditsChanged();
    void protocolVersionChanged();
    void softwareAvailableChanged();
    void networkLogChanged();
    /// The application update came into or left the list.
    void applicationUpdateAvailableChanged();
    void configGroupPendingChanged();

    // The operator's requests, for the AmiClo client, and the client's results.
    void updateApplication();
    void applicationUpdateFinished(bool succeeded, QString message);
    void importConfigGroup();
    void configGroupUncompressFinished(bool succeeded, QString message);
    void configGroupImportFinished(bool succeeded);
    void importCompleteBackup();
    void completeBackupUncompressFinished(bool succeeded, QString message);
    void importUiUpdate();
    void uiUpdateUncompressFinished(bool succeeded, QString message);
    void updateNetworkLog(int page);

protected:
    AmiCloProperties() = default;

private:
    bool m_active = false;
    bool m_networkAvailable = false;
    QDateTime m_creditsLastUpdate;
    quint64 m_creditsProjection = 0;
    quint64 m_creditsReal = 0;
    bool m_creditsExtensionActive = false;
    bool m_creditsCountDisabled = false;
    QString m_libraryVersion = texts::unset();
    quint64 m_profileImageCredits = 0;
    quint64 m_profileMonthlyPackage = 0;
    QString m_profileName = texts::unset();
    quint64 m_profileOctetsPerCredit = 0;
    QString m_profileUuid;
    quint64 m_profileVideoCredits = 0;
    QString m_protocolVersion = texts::unset();
    bool m_softwareAvailable = false;
    QString m_networkLog = texts::unset();
    UpdateList m_updates;
    bool m_configGroupPending = false;
};

} // namespace qml
} // namespace bridge
