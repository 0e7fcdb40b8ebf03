#include "core/configuration/espressosettings.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kPregrinding = QStringLiteral("espresso/pregrinding");
const QString kGrinderSensor = QStringLiteral("espresso/grinderSensor");
} // namespace

EspressoSettings::EspressoSettings(QObject* parent)
    : QObject(parent)
{
}

EspressoSettings::~EspressoSettings() = default;

void EspressoSettings::load(const SettingsStore& store)
{
    m_pregrinding = store.value(kPregrinding, m_pregrinding).toBool();
    m_grinderSensor = store.value(kGrinderSensor, m_grinderSensor).toBool();
}

QJsonObject EspressoSettings::values() const
{
    return { { kPregrinding, m_pregrinding }, { kGrinderSensor, m_grinderSensor } };
}
