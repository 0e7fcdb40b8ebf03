#pragma once

#include <QObject>

class SettingsStore;

/// The Televend telemetry settings of a configuration, kept in the
/// configuration group's settings store under "televend/..." keys.
class TelevendSettings : public QObject
{
    Q_OBJECT

public:
    /// `store` must outlive the settings.
    explicit TelevendSettings(SettingsStore& store, QObject* parent = nullptr);
    ~TelevendSettings() override;

    bool enabled() const { return m_enabled; }
    /// Stores the flag; false, with the flag unchanged, when the store refuses.
    bool setEnabled(bool enabled);

signals:
    void enabledChanged(bool enabled);

private:
    SettingsStore& m_store;
    bool m_enabled;
};
