#include "core/configuration/generalsettings.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kSophiaTestServer = QStringLiteral("general/sophiaTestServerEnabled");
} // namespace

GeneralSettings::GeneralSettings(SettingsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_sophiaTestServerEnabled(store.value(kSophiaTestServer, false).toBool())
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
