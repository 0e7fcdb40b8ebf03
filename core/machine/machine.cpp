#include "core/machine/machine.h"

#include "core/machine/cpustatemachine.h"
#include "core/machine/erogationmanager.h"

Machine::Machine(QObject* parent)
    : QObject(parent)
    , m_cpuStateMachine(new CpuStateMachine(this))
    , m_erogationManager(new ErogationManager(this))
{
}

Machine::~Machine() = default;

void Machine::setEnergyMode(EnergySavingSettings::EnergyMode mode)
{
    if (mode == m_energyMode)
        return;
    m_energyMode = mode;
    emit energyModeChanged(mode);
}

void Machine::setCleaning(bool cleaning)
{
    setCleaningIndicator(m_cleaning, cleaning);
}

void Machine::setInactivityCleaning(bool cleaning)
{
    setCleaningIndicator(m_inactivityCleaning, cleaning);
}

void Machine::setRinsing(bool rinsing)
{
    setCleaningIndicator(m_rinsing, rinsing);
}

void Machine::setStatusWord(quint32 word)
{
    if (word == m_statusWord)
        return;
    m_statusWord = word;
    emit statusWordChanged(word);
}

void Machine::setCleaningIndicator(bool& indicator, bool value)
{
    if (indicator == value)
        return;
    indicator = value;
    emit cleaningActivityChanged();
}
