#include "core/configuration/cupdispensersettings.h"

#include "core/settings/settingsstore.h"

#include <QJsonObject>

namespace {
const QString kCupSettlingTime = QStringLiteral("cupDispenser/cupSettlingTime");
const QString kWaitingCupPresenceTime = QStringLiteral("cupDispenser/waitingCupPresenceTime");
} // namespace

CupDispenserSettings::CupDispenserSettings(QObject* parent)
    : QObject(parent)
{
}

CupDispenserSettings::~CupDispenserSettings() = default;

void CupDispenserSettings::load(const SettingsStore& store)
{
    m_cupSettlingTime = store.value(kCupSettlingTime, m_cupSettlingTime).toInt();
    m_waitingCupPresenceTime = store.value(kWaitingCupPresenceTime, m_waitingCupPresenceTime).toInt();
}

bool CupDispenserSettings::save(SettingsStore& store) const
{
    return store.setValues(QJsonObject {
        { kCupSettlingTime, m_cupSettlingTime }, { kWaitingCupPresenceTime, m_waitingCupPresenceTime } });
}
