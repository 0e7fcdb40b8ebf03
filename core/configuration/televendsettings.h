#pragma once

#include <QObject>

class SettingsStore;

/// The Televend telemetry service's switch of one configuration, read from
/// "televend/enabled".
class TelevendSettings : public QObject
{
    Q_OBJECT

public:
    TelevendSettings(const SettingsStore& store, QObject* parent = nullptr);
    ~TelevendSettings() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

signals:
    void enabledChanged(bool enabled);

private:
    bool m_enabled = false;
};
