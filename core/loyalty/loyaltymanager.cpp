#include "core/loyalty/loyaltymanager.h"

#include "core/machine/abstractqrcode.h"

namespace core {
namespace loyalty {

Manager::Manager(QObject* parent)
    : QObject(parent)
    , m_qrCode(new AbstractQrCode(this))
{
}

Manager::~Manager() = default;

void Manager::setTexts(const QString& first, const QString& second)
{
    m_firstText = first;
    m_secondText = second;
}

} // namespace loyalty
} // namespace core
