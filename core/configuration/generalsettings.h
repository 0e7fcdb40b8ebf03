#pragma once

#include <QObject>

class SettingsStore;

/// The general settings of a configuration that the bridge changes, kept in
/// the configuration group's settings store.
class GeneralSettings : public QObject
{
    Q_OBJECT

public:
    /// When the machine dispenses although the cup sensor sees no cup; the machine's own numbering.
    enum ForceErogationRules : int {
        ForceErogationRule0 = 0,
        ForceErogationRule1 = 1,
        ForceErogationRule2 = 2,
    };
    Q_ENUM(ForceErogationRules)

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
    /// The clock follows the daylight-saving rule of DSTGeneralSettings.
    bool automaticSummerTime() const { return m_automaticSummerTime; }
    /// Stores the switch; false, with it unchanged, when the store refuses.
    bool setAutomaticSummerTime(bool automatic);

signals:
    void isSophiaTestServerEnabledChanged(bool enabled);
    void forceErogationRuleChanged();

private:
    SettingsStore& m_store;
    bool m_sophiaTestServerEnabled = false;
    ForceErogationRules m_forceErogationRule;
    bool m_automaticSummerTime;
};
