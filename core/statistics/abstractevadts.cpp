#include "core/statistics/abstractevadts.h"

AbstractEvadts::AbstractEvadts(QObject* parent)
    : QObject(parent)
{
}

AbstractEvadts::~AbstractEvadts() = default;

bool AbstractEvadts::lock(QObject* owner)
{
    if (!owner || (m_owner && m_owner != owner))
        return false;
    m_owner = owner;
    return true;
}

void AbstractEvadts::unlock(QObject* owner)
{
    if (m_owner == owner)
        m_owner.clear();
}

bool AbstractEvadts::generateReport(QObject* owner)
{
    if (!owner || m_owner != owner)
        return false;
    m_report = buildReport();
    return true;
}
