#include "core/gui/ersstatusgroup.h"

ErsStatusGroup::ErsStatusGroup(QObject* parent)
    : QObject(parent)
{
}

ErsStatusGroup::~ErsStatusGroup() = default;

void ErsStatusGroup::setStatus(int status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit statusChanged();
}
