#include "core/machine/failure.h"

Failure::Failure(FailureCommonList::FailureID id, QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_name(QStringLiteral("Failure %1").arg(int(id), 4, 16, QLatin1Char('0')))
{
}

Failure::~Failure() = default;

void Failure::setName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged();
}

void Failure::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    emit activeChanged(active);
}
