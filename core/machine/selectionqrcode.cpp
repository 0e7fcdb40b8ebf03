#include "core/machine/selectionqrcode.h"

SelectionQrCode::SelectionQrCode(QObject* parent)
    : AbstractQrCode(parent)
{
}

SelectionQrCode::~SelectionQrCode() = default;

void SelectionQrCode::setSelectionData(int id, const QString& url)
{
    if (id == m_id && url == m_url)
        return;
    m_id = id;
    m_url = url;
    emit selectionDataChanged();
}

void SelectionQrCode::setMachineData(int id, const QString& url)
{
    m_machineId = id;
    m_machineUrl = url;
}
