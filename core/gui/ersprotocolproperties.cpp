#include "core/gui/ersprotocolproperties.h"

ERSProtocolProperties* ERSProtocolProperties::instance()
{
    static ERSProtocolProperties* const instance = new ERSProtocolProperties;
    return instance;
}

ERSProtocolProperties::ERSProtocolProperties()
    : m_qrCodePaymentSystem(new ErsStatusGroup(this))
    , m_macas(new ErsStatusGroup(this))
{
}

ERSProtocolProperties::~ERSProtocolProperties() = default;
