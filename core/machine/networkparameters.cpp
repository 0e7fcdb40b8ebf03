#include "core/machine/networkparameters.h"

NetworkParameters::NetworkParameters(QObject* parent)
    : QObject(parent)
{
}

NetworkParameters::~NetworkParameters() = default;

void NetworkParameters::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    emit isActiveChanged();
}
