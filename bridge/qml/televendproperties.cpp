#include "bridge/qml/televendproperties.h"

#include "bridge/qml/propertysetter.h"
#include "bridge/qml/propertytexts.h"

#include <QCoreApplication>
#include <QStringList>

namespace bridge {
namespace qml {

namespace {

const char* const kContext = "bridge::qml::TelevendProperties";
const char* const kActivationStatus = "ICB activation status";
const char* const kActivationError = "ICB activation code error";

struct SourceText
{
    const char* text;
    const char* disambiguation;
};

const SourceText kActivationErrors[] = {
    QT_TRANSLATE_NOOP3(
        "bridge::qml::TelevendProperties", "HTTP driver problems", "ICB activation code error"),
    QT_TRANSLATE_NOOP3(
        "bridge::qml::TelevendProperties", "Could not connect to HTTP server", "ICB activation code error"),
    QT_TRANSLATE_NOOP3("bridge::qml::TelevendProperties", "Downloaded JSON document is not valid",
        "ICB activation code error"),
    QT_TRANSLATE_NOOP3(
        "bridge::qml::TelevendProperties", "Received bad HTTP response code", "ICB activation code error"),
    QT_TRANSLATE_NOOP3("bridge::qml::TelevendProperties", "JSON document file signature is not valid",
        "ICB activation code error"),
    QT_TRANSLATE_NOOP3(
        "bridge::qml::TelevendProperties", "HTTPS TLS transport error", "ICB activation code error"),
    QT_TRANSLATE_NOOP3("bridge::qml::TelevendProperties", "HTTPS server certificate is not valid",
        "ICB activation code error"),
    QT_TRANSLATE_NOOP3("bridge::qml::TelevendProperties", "Provisioning is already in progress",
        "ICB activation code error"),
    QT_TRANSLATE_NOOP3("bridge::qml::TelevendProperties", "Error resolving Activation server domain name ",
        "ICB activation code error"),
    QT_TRANSLATE_NOOP3("bridge::qml::TelevendProperties", "Error connecting to Activation server",
        "ICB activation code error"),
    QT_TRANSLATE_NOOP3("bridge::qml::TelevendProperties", "Error sending message to Activation server",
        "ICB activation code error"),
    QT_TRANSLATE_NOOP3("bridge::qml::TelevendProperties", "Error receiving message from Activation server",
        "ICB activation code error"),
    QT_TRANSLATE_NOOP3(
        "bridge::qml::TelevendProperties", "Activation server TLS error", "ICB activation code error"),
    QT_TRANSLATE_NOOP3(
        "bridge::qml::TelevendProperties", "Invalid activation key", "ICB activation code error"),
    QT_TRANSLATE_NOOP3(
        "bridge::qml::TelevendProperties", "Activation server internal error", "ICB activation code error"),
    QT_TRANSLATE_NOOP3(
        "bridge::qml::TelevendProperties", "Activation server response timeout", "ICB activation code error"),
};

QString translated(const char* text, const char* disambiguation = nullptr)
{
    return QCoreApplication::translate(kContext, text, disambiguation);
}

// Translated once, in the language of the first use.
const QStringList& activationErrorTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (const SourceText& source : kActivationErrors)
            list << translated(source.text, source.disambiguation);
        return list;
    }();
    return texts;
}

QString activationErrorText(const nonstd::optional<qint32>& error)
{
    const QStringList& texts = activationErrorTexts();
    if (error && *error >= 0 && *error < texts.size())
        return texts.at(*error);
    return translated("Unknown error", kActivationError);
}

QString versionText(const TelevendProperties::ApiVersion& version)
{
    return QStringLiteral("%1.%2.%3")
        .arg(version.majorNumber)
        .arg(version.minorNumber)
        .arg(version.patchNumber);
}

} // namespace

TelevendProperties* TelevendProperties::instance()
{
    static TelevendProperties* const instance = new TelevendProperties;
    return instance;
}

TelevendProperties::TelevendProperties()
{
    connect(this, &TelevendProperties::localVamApiVersionChanged, this,
        &TelevendProperties::hasVamApiVersionMismatchChanged);
    connect(this, &TelevendProperties::remoteVamApiVersionChanged, this,
        &TelevendProperties::hasVamApiVersionMismatchChanged);
    connect(this, &TelevendProperties::localTamApiVersionChanged, this,
        &TelevendProperties::hasTamApiVersionMismatchChanged);
    connect(this, &TelevendProperties::remoteTamApiVersionChanged, this,
        &TelevendProperties::hasTamApiVersionMismatchChanged);
}

QString TelevendProperties::localVamApiVersion() const
{
    return versionText(m_localVamApiVersion);
}

QString TelevendProperties::remoteVamApiVersion() const
{
    return versionText(m_remoteVamApiVersion);
}

QString TelevendProperties::localTamApiVersion() const
{
    return versionText(m_localTamApiVersion);
}

QString TelevendProperties::remoteTamApiVersion() const
{
    return versionText(m_remoteTamApiVersion);
}

bool TelevendProperties::hasVamApiVersionMismatch() const
{
    return m_localVamApiVersion.majorNumber != m_remoteVamApiVersion.majorNumber;
}

bool TelevendProperties::hasTamApiVersionMismatch() const
{
    return m_localTamApiVersion.majorNumber != m_remoteTamApiVersion.majorNumber;
}

bool TelevendProperties::isCloudConnected() const
{
    return m_cloudConnectionStatus == lea::connectivity::Televend::ConnectedIdle
        || m_cloudConnectionStatus == lea::connectivity::Televend::ConnectedActive;
}

QString TelevendProperties::cloudConnectionStatusString() const
{
    switch (m_cloudConnectionStatus) {
    case lea::connectivity::Televend::NotConnected:
        return translated("Not connected");
    case lea::connectivity::Televend::ConnectedIdle:
        return translated("Connected, idle");
    case lea::connectivity::Televend::ConnectedActive:
        return translated("Connected, active");
    default:
        return translated("Connecting");
    }
}

int TelevendProperties::linesPerLogPage() const
{
    return texts::linesPerLogPage;
}

QString TelevendProperties::activationStatusString() const
{
    switch (m_activationStatus.status) {
    case 0:
        return translated("Not activated", kActivationStatus);
    case 2:
        return translated("Activated", kActivationStatus);
    case 3:
        return activationErrorText(m_activationStatus.error);
    default:
        return translated("Activating", kActivationStatus);
    }
}

bool TelevendProperties::isActivated() const
{
    return m_activationStatus.status == 2;
}

void TelevendProperties::setEnabled(bool enabled)
{
    setAndNotify(this, m_enabled, enabled, &TelevendProperties::enabledChanged);
}

void TelevendProperties::setVamConnected(bool connected)
{
    setAndNotify(this, m_vamConnected, connected, &TelevendProperties::vamConnectedChanged);
}

void TelevendProperties::setTamConnected(bool connected)
{
    setAndNotify(this, m_tamConnected, connected, &TelevendProperties::tamConnectedChanged);
}

void TelevendProperties::setLocalVamApiVersion(const ApiVersion& version)
{
    m_localVamApiVersion = version;
    emit localVamApiVersionChanged();
}

void TelevendProperties::setRemoteVamApiVersion(const ApiVersion& version)
{
    m_remoteVamApiVersion = version;
    emit remoteVamApiVersionChanged();
}

void TelevendProperties::setLocalTamApiVersion(const ApiVersion& version)
{
    m_localTamApiVersion = version;
    emit localTamApiVersionChanged();
}

void TelevendProperties::setRemoteTamApiVersion(const ApiVersion& version)
{
    m_remoteTamApiVersion = version;
    emit remoteTamApiVersionChanged();
}

void TelevendProperties::setCloudConnectionStatus(int status)
{
    setAndNotify(this, m_cloudConnectionStatus, status, &TelevendProperties::cloudConnectionStatusChanged);
}

void TelevendProperties::setPendingEvents(int events)
{
    setAndNotify(this, m_pendingEvents, events, &TelevendProperties::pendingEventsChanged);
}

void TelevendProperties::setPendingVends(int vends)
{
    setAndNotify(this, m_pendingVends, vends, &TelevendProperties::pendingVendsChanged);
}

void TelevendProperties::setNetworkLog(const QString& log)
{
    setAndNotify(this, m_networkLog, log, &TelevendProperties::networkLogChanged);
}

void TelevendProperties::setPid(const QString& pid)
{
    setAndNotify(this, m_pid, pid, &TelevendProperties::pidChanged);
}

void TelevendProperties::setActivationStatus(const ActivationStatus& status)
{
    setAndNotify(this, m_activationStatus, status, &TelevendProperties::activationStatusChanged);
}

void TelevendProperties::sendActionCashCollection()
{
    emit sendAction(lea::connectivity::Televend::CashCollection);
}

void TelevendProperties::sendActionRefill()
{
    emit sendAction(lea::connectivity::Televend::Refill);
}

void TelevendProperties::sendActionPullConfiguration()
{
    emit sendAction(lea::connectivity::Televend::PullConfiguration);
}

void TelevendProperties::sendActionPullPrices()
{
    emit sendAction(lea::connectivity::Televend::PullPrices);
}

void TelevendProperties::sendFactoryResetFromQml(bool deactivate)
{
    emit sendFactoryReset(deactivate);
}

void TelevendProperties::sendActivationFromQml(const QString& serverIP, const QString& activationCode)
{
    emit sendActivation(serverIP, activationCode);
}

} // namespace qml
} // namespace bridge
