#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/settings/settingsstore.h"

QString Configuration::timeZoneOffsetKey()
{
    return QStringLiteral("general/timeZoneOffset");
}

bool Configuration::setTimeZoneOffset(int hours)
{
    if (hours == m_timeZoneOffset)
        return true;
    if (!m_group.settingsStore()->setValue(timeZoneOffsetKey(), hours))
        return false;
    m_timeZoneOffset = hours;
    emit timeZoneOffsetChanged();
    return true;
}
