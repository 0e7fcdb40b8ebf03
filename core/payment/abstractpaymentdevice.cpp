#include "core/payment/abstractpaymentdevice.h"

#include <algorithm>
#include <limits>

AbstractPaymentDevice::AbstractPaymentDevice(Category category, int typeNumber, QObject* parent)
    : QObject(parent)
    , m_category(category)
    , m_typeNumber(typeNumber)
{
}

AbstractPaymentDevice::~AbstractPaymentDevice() = default;

void AbstractPaymentDevice::setPresent(bool present)
{
    if (present == m_present)
        return;
    m_present = present;
    emit presentChanged();
}

int AbstractPaymentDevice::credit(int selector) const
{
    if (selector != -1)
        return m_credits.value(selector);
    qint64 sum = 0;
    for (const int credit : m_credits)
        sum += credit;
    return int(std::clamp<qint64>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void AbstractPaymentDevice::setCredit(int selector, int amount)
{
    if (selector == -1)
        return;
    if (amount == 0)
        m_credits.remove(selector);
    else
        m_credits.insert(selector, amount);
}
