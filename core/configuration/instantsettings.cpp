#include "core/configuration/instantsettings.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kBoilerInstantTemperature = QStringLiteral("instant/boilerTemperature");
} // namespace

void InstantSettings::load(const SettingsStore& store)
{
    m_boilerInstantTemperature = store.value(kBoilerInstantTemperature, m_boilerInstantTemperature).toInt();
}

QJsonObject InstantSettings::values() const
{
    return { { kBoilerInstantTemperature, m_boilerInstantTemperature } };
}
