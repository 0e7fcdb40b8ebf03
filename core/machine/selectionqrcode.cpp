#include "core/machine/selectionqrcode.h"

SelectionQrCode::SelectionQrCode(QObject* parent)
    : QObject(parent)
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
