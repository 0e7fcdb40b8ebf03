#include "core/machine/abstractqrcode.h"

AbstractQrCode::AbstractQrCode(QObject* parent)
    : QObject(parent)
{
}

AbstractQrCode::~AbstractQrCode() = default;

void AbstractQrCode::setData(const QString& data)
{
    if (data == m_data)
        return;
    m_data = data;
    emit dataChanged(m_data);
}
