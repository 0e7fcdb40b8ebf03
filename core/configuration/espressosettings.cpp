#include "core/configuration/espressosettings.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kPregrinding = QStringLiteral("espresso/pregrinding");
const QString kGrinderSensor = QStringLiteral("espresso/grinderSensor");
const QString kFirstCoffeeBoostTime = QStringLiteral("espresso/firstCoffeeBoostTime");
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
    m_firstCoffeeBoostTime = store.value(kFirstCoffeeBoostTime, m_firstCoffeeBoostTime).toInt();
}

QJsonObject EspressoSettings::values() const
{
    QJsonObject values = boostValues();
    values.insert(kPregrinding, m_pregrinding);
    values.insert(kGrinderSensor, m_grinderSensor);
    return values;
}

QJsonObject EspressoSettings::boostValues() const
{
    return { { kFirstCoffeeBoostTime, m_firstCoffeeBoostTime } };
}
