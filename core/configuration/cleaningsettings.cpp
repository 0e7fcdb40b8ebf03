#include "core/configuration/cleaningsettings.h"

CleaningSettings::CleaningSettings(QObject* parent)
    : QObject(parent)
{
}

CleaningSettings::~CleaningSettings() = default;

void CleaningSettings::setInactivityCleanings(const QList<InactivityCleaning>& cleanings)
{
    m_inactivityCleanings = cleanings;
    emit saveInactivityCleaningSettings();
}

void CleaningSettings::setWarningCleanings(const QList<WarningCleaning>& cleanings)
{
    m_warningCleanings = cleanings;
    emit saveWarningCleaningSettings();
}
