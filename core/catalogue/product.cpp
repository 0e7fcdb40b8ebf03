#include "core/catalogue/product.h"

#include "core/catalogue/videoplaylist.h"

Product::Product(int id, ProductType productType, QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_productType(productType)
{
}

Product::~Product() = default;

void Product::setEnabled(bool enabled)
{
    m_enabled = enabled;
    updateAvailability();
}

void Product::setBlockingFailures(const QList<int>& failures)
{
    m_blockingFailures = failures;
}

void Product::updateFailures(const QList<int>& activeMachineFailures)
{
    QList<int> active;
    for (const int failure : m_blockingFailures) {
        if (activeMachineFailures.contains(failure))
            active << failure;
    }
    if (active == m_activeFailures)
        return;
    const bool wasMultiple = m_activeFailures.size() > 1;
    m_activeFailures = active;
    updateAvailability();
    if (!wasMultiple && active.size() > 1)
        emit mulitipleFailures();
}

void Product::updateAvailability()
{
    const bool available = m_enabled && m_activeFailures.isEmpty();
    if (available == m_available)
        return;
    m_available = available;
    emit isAvailableChanged(available);
}
