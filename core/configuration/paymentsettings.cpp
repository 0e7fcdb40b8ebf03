#include "core/configuration/paymentsettings.h"

#include "core/configuration/timebanddatasettings.h"

PaymentSettings::PaymentSettings(QObject* parent)
    : QObject(parent)
{
}

PaymentSettings::~PaymentSettings() = default;

void PaymentSettings::clearStates()
{
    qDeleteAll(m_states);
    m_states.clear();
}

void PaymentSettings::addState(TimeBandDataSettings* state)
{
    if (!state || m_states.contains(state))
        return;
    state->setParent(this);
    m_states << state;
}

void PaymentSettings::removeState(TimeBandDataSettings* state)
{
    if (m_states.removeOne(state))
        delete state;
}
