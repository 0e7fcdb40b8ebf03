#include "core/configuration/televendsettings.h"

#include "core/settings/settingsstore.h"

TelevendSettings::TelevendSettings(const SettingsStore& store, QObject* parent)
    : QObject(parent)
    , m_enabled(store.value(QStringLiteral("televend/enabled"), false).toBool())
{
}

TelevendSettings::~TelevendSettings() = default;

void TelevendSettings::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(enabled);
}
