#include "core/payment/himanager.h"

namespace payment {
namespace hi {

HiManager::HiManager(QObject* parent)
    : QObject(parent)
{
}

HiManager::~HiManager() = default;

void HiManager::setState(int state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged();
}

void HiManager::setExecutiveAlignmentPending(bool pending)
{
    if (pending == m_alignmentPending)
        return;
    m_alignmentPending = pending;
    emit executiveAlignmentPendingChanged();
}

void HiManager::sendFileToDevice(FileType type, const QByteArray& data)
{
    m_sentFiles.append({ type, data });
}

} // namespace hi
} // namespace payment
