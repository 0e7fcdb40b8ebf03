#pragma once

#include <QObject>

class SettingsStore;

/// The general settings of a configuration that the bridge changes, kept in
/// the configuration group's settings store.
class GeneralSettings : public QObject
{
    Q_OBJECT

public:
    /// Reads the settings stored under "general/..." keys of `store`, which
    /// must outlive them; the defaults where none is stored.
    explicit GeneralSettings(SettingsStore& store, QObject* parent = nullptr);
    ~GeneralSettings() override;

    /// The Sophia client talks to the service's test server instead of the production one.
    bool isSophiaTestServerEnabled() const { return m_sophiaTestServerEnabled; }
    /// Stores the flag; false, with the flag unchanged, when the store refuses.
    bool setIsSophiaTestServerEnabled(bool enabled);

signals:
    void isSophiaTestServerEnabledChanged(bool enabled);

private:
    SettingsStore& m_store;
    bool m_sophiaTestServerEnabled = false;
};
