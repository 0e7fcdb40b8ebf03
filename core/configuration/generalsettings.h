#pragma once

#include "core/configuration/playlistassignments.h"

#include <QObject>

class SettingsStore;

/// The general settings of a configuration that the bridge changes, kept in
/// the configuration group's settings store.
class GeneralSettings : public QObject, public PlaylistAssignments
{
    Q_OBJECT
    Q_PROPERTY(int homePagePlaylistId READ homePagePlaylistId WRITE setHomePagePlaylistId)
    Q_PROPERTY(int disabledModePlaylistId READ disabledModePlaylistId WRITE setDisabledModePlaylistId)

public:
    /// When the machine dispenses although the cup sensor sees no cup; the machine's own numbering.
    enum ForceErogationRules : int {
        ForceErogationRule0 = 0,
        ForceErogationRule1 = 1,
        ForceErogationRule2 = 2,
    };
    Q_ENUM(ForceErogationRules)

    /// When the selection QR code is shown; the machine's own numbering.
    enum QRCodeMode : int {
        QRCodeMode0 = 0,
        QRCodeMode1 = 1,
        QRCodeMode2 = 2,
    };
    Q_ENUM(QRCodeMode)

    /// Reads the settings stored under "general/..." keys of `store`, which
    /// must outlive them; the defaults where none is stored.
    explicit GeneralSettings(SettingsStore& store, QObject* parent = nullptr);
    ~GeneralSettings() override;

    /// The Sophia client talks to the service's test server instead of the production one.
    bool isSophiaTestServerEnabled() const { return m_sophiaTestServerEnabled; }
    /// Stores the flag; false, with the flag unchanged, when the store refuses.
    bool setIsSophiaTestServerEnabled(bool enabled);
    ForceErogationRules forceErogationRule() const { return m_forceErogationRule; }
    /// Stores the rule; false, with the rule unchanged, when the store refuses.
    bool setForceErogationRule(ForceErogationRules rule);
    /// The AmiClo telemetry service is switched on.
    bool enableAmiClo() const { return m_enableAmiClo; }
    /// Stores the flag; false, with the flag unchanged, when the store refuses.
    bool setEnableAmiClo(bool enabled);

    // What the screens show and how the QR codes behave: set by the operator's
    // tools, only read by the bridge (simulator setters).
    QRCodeMode qrCodeMode() const { return m_qrCodeMode; }
    void setQrCodeMode(QRCodeMode mode) { m_qrCodeMode = mode; }
    bool showNutritionalInfo() const { return m_showNutritionalInfo; }
    void setShowNutritionalInfo(bool show);
    bool showRecipeNutritionalInfo() const { return m_showRecipeNutritionalInfo; }
    void setShowRecipeNutritionalInfo(bool show);
    bool displayFlagC() const { return m_displayFlagC; }
    void setDisplayFlagC(bool flag) { m_displayFlagC = flag; }
    bool displayFlagD() const { return m_displayFlagD; }
    void setDisplayFlagD(bool flag) { m_displayFlagD = flag; }
    bool showQuorraFooterLogo() const { return m_showQuorraFooterLogo; }
    void setShowQuorraFooterLogo(bool show);
    bool receiptQrCodeEnabled() const { return m_receiptQrCodeEnabled; }
    int receiptQrCodeFirst() const { return m_receiptQrCodeFirst; }
    int receiptQrCodeSecond() const { return m_receiptQrCodeSecond; }
    void setReceiptQrCode(bool enabled, int first, int second);
    /// The clock follows the daylight-saving rule of DSTGeneralSettings.
    bool automaticSummerTime() const { return m_automaticSummerTime; }
    /// Stores the switch; false, with it unchanged, when the store refuses.
    bool setAutomaticSummerTime(bool automatic);

signals:
    void isSophiaTestServerEnabledChanged(bool enabled);
    void showNutritionalInfoChanged();
    void showRecipeNutritionalInfoChanged();
    void showQuorraFooterLogoChanged();
    void forceErogationRuleChanged();
    void enableAmiCloChanged(bool enabled);

private:
    SettingsStore& m_store;
    bool m_sophiaTestServerEnabled = false;
    ForceErogationRules m_forceErogationRule;
    QRCodeMode m_qrCodeMode = QRCodeMode0;
    bool m_showNutritionalInfo = false;
    bool m_showRecipeNutritionalInfo = false;
    bool m_displayFlagC = false;
    bool m_displayFlagD = false;
    bool m_showQuorraFooterLogo = false;
    bool m_receiptQrCodeEnabled = false;
    int m_receiptQrCodeFirst = 0;
    int m_receiptQrCodeSecond = 0;
    bool m_enableAmiClo = false;
    bool m_automaticSummerTime;
};
