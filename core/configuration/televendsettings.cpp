#include "core/configuration/televendsettings.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kEnabled = QStringLiteral("televend/enabled");
} // namespace

TelevendSettings::TelevendSettings(SettingsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_enabled(store.value(kEnabled, false).toBool())
{
}

TelevendSettings::~TelevendSettings() = default;

bool TelevendSettings::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return true;
    if (!m_store.setValue(kEnabled, enabled))
        return false;
    m_enabled = enabled;
    emit enabledChanged(enabled);
    return true;
}
