#include "core/machine/modemparameters.h"

ModemParameters::ModemParameters(QObject* parent)
    : QObject(parent)
{
}

ModemParameters::~ModemParameters() = default;

void ModemParameters::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit isEnabledChanged();
}

void ModemParameters::setApn(const QString& apn)
{
    if (apn == m_apn)
        return;
    m_apn = apn;
    emit apnChanged();
}
