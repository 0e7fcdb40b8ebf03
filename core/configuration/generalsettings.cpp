#include "core/configuration/generalsettings.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kSophiaTestServer = QStringLiteral("general/sophiaTestServerEnabled");
const QString kForceErogationRule = QStringLiteral("general/forceErogationRule");
const QString kEnableAmiClo = QStringLiteral("general/enableAmiClo");
const QString kAutomaticSummerTime = QStringLiteral("general/automaticSummerTime");
} // namespace

GeneralSettings::GeneralSettings(SettingsStore& store, QObject* parent)
    : QObject(parent)
    , PlaylistAssignments(store)
    , m_store(store)
    , m_sophiaTestServerEnabled(store.value(kSophiaTestServer, false).toBool())
    // Fixed underlying type: a stored value the enumeration does not name is
    // kept as it is, for the bridge to refuse.
    , m_forceErogationRule(static_cast<ForceErogationRules>(store.value(kForceErogationRule, 0).toInt()))
    , m_enableAmiClo(store.value(kEnableAmiClo, false).toBool())
    , m_automaticSummerTime(store.value(kAutomaticSummerTime, false).toBool())
{
}

GeneralSettings::~GeneralSettings() = default;

bool GeneralSettings::setIsSophiaTestServerEnabled(bool enabled)
{
    if (enabled == m_sophiaTestServerEnabled)
        return true;
    if (!m_store.setValue(kSophiaTestServer, enabled))
        return false;
    m_sophiaTestServerEnabled = enabled;
    emit isSophiaTestServerEnabledChanged(enabled);
    return true;
}

bool GeneralSettings::setForceErogationRule(ForceErogationRules rule)
{
    if (rule == m_forceErogationRule)
        return true;
    if (!m_store.setValue(kForceErogationRule, int(rule)))
        return false;
    m_forceErogationRule = rule;
    emit forceErogationRuleChanged();
    return true;
}

void GeneralSettings::setShowNutritionalInfo(bool show)
{
    if (show == m_showNutritionalInfo)
        return;
    m_showNutritionalInfo = show;
    emit showNutritionalInfoChanged();
}

void GeneralSettings::setShowRecipeNutritionalInfo(bool show)
{
    if (show == m_showRecipeNutritionalInfo)
        return;
    m_showRecipeNutritionalInfo = show;
    emit showRecipeNutritionalInfoChanged();
}

void GeneralSettings::setShowQuorraFooterLogo(bool show)
{
    if (show == m_showQuorraFooterLogo)
        return;
    m_showQuorraFooterLogo = show;
    emit showQuorraFooterLogoChanged();
}

void GeneralSettings::setReceiptQrCode(bool enabled, int first, int second)
{
    m_receiptQrCodeEnabled = enabled;
    m_receiptQrCodeFirst = first;
    m_receiptQrCodeSecond = second;
}

bool GeneralSettings::setEnableAmiClo(bool enabled)
{
    if (enabled == m_enableAmiClo)
        return true;
    if (!m_store.setValue(kEnableAmiClo, enabled))
        return false;
    m_enableAmiClo = enabled;
    emit enableAmiCloChanged(enabled);
    return true;
}

bool GeneralSettings::setAutomaticSummerTime(bool automatic)
{
    if (automatic == m_automaticSummerTime)
        return true;
    if (!m_store.setValue(kAutomaticSummerTime, automatic))
        return false;
    m_automaticSummerTime = automatic;
    return true;
}
