#include "core/configuration/espressosettings.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kFirstCoffeeBoostTime = QStringLiteral("espresso/firstCoffeeBoostTime");
} // namespace

void EspressoSettings::load(const SettingsStore& store)
{
    m_firstCoffeeBoostTime = store.value(kFirstCoffeeBoostTime, m_firstCoffeeBoostTime).toInt();
}

QJsonObject EspressoSettings::values() const
{
    return { { kFirstCoffeeBoostTime, m_firstCoffeeBoostTime } };
}
