#include "core/hardware/hardwaresettings.h"

HardwareSettings::HardwareSettings(QObject* parent)
    : QObject(parent)
{
}

HardwareSettings::~HardwareSettings() = default;

void HardwareSettings::setGrams(bool grams)
{
    if (m_grams == grams)
        return;
    m_grams = grams;
    emit gramsChanged(grams);
}
