#include "core/statistics/evadts.h"

#include "core/catalogue/product.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/machine/machineclock.h"
#include "core/statistics/statistics.h"

#include <QStringList>

namespace {

QDateTime machineNow()
{
    return gCoreEnv && gCoreEnv->clock() ? gCoreEnv->clock()->now().toLocalTime() : QDateTime();
}

/// A value as a data element: the separators of the format cannot appear in it.
QString element(QString value)
{
    value.remove(QLatin1Char('*'));
    value.remove(QLatin1Char('\r'));
    value.remove(QLatin1Char('\n'));
    return value;
}

/// CRC-16 (polynomial 0x8005, reflected, start 0) of the bytes, as the block check wants it.
quint16 crc16(const QByteArray& data)
{
    quint16 crc = 0;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

} // namespace

Evadts::Evadts(Statistics* statistics, QObject* parent)
    : AbstractEvadts(parent)
{
    connect(statistics, &Statistics::notifyConnectivityVendEvent, this,
        [this](const Statistics::ConnectivityVendEvent& event) {
            if (!event.product)
                return;
            Sales& sales = m_sales[event.product->id()];
            if (event.paid) {
                ++sales.paidCount;
                sales.paidValue += event.price;
            } else {
                ++sales.freeCount;
            }
        });
}

Evadts::~Evadts() = default;

QString Evadts::systemDate() const
{
    return machineNow().toString(QStringLiteral("yyMMdd"));
}

QString Evadts::systemTime() const
{
    return machineNow().toString(QStringLiteral("HHmm"));
}

QString Evadts::buildReport() const
{
    // Every product of the catalogue, and those sold before it was changed.
    QMap<int, int> prices;
    for (auto it = m_sales.cbegin(); it != m_sales.cend(); ++it)
        prices.insert(it.key(), 0);
    if (const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr) {
        for (const Product* product : configuration->products())
            prices.insert(product->id(), qMax(product->currentPrice(), 0));
    }
    Sales total;
    for (const Sales& sales : m_sales) {
        total.paidCount += sales.paidCount;
        total.paidValue += sales.paidValue;
        total.freeCount += sales.freeCount;
    }

    QStringList set;
    set << QStringLiteral("ST*001*0001")
        << QStringLiteral("ID1*%1*%2*%3")
               .arg(element(m_serialNumber), element(m_modelNumber), element(m_buildStandard))
        << QStringLiteral("ID4*%1*%2*%3")
               .arg(element(m_decimalPointPosition), element(m_numericCurrencyCode),
                   element(m_alphabeticCurrencyCode))
        << QStringLiteral("ID5*%1*%2").arg(systemDate(), systemTime())
        << QStringLiteral("VA1*%1*%2*%1*%2").arg(total.paidValue).arg(total.paidCount)
        << QStringLiteral("VA3*0*%1*0*%1").arg(total.freeCount);
    for (auto it = prices.cbegin(); it != prices.cend(); ++it) {
        const Sales sales = m_sales.value(it.key());
        set << QStringLiteral("PA1*%1*%2").arg(it.key()).arg(it.value())
            << QStringLiteral("PA2*%1*%2*%1*%2").arg(sales.paidCount).arg(sales.paidValue)
            << QStringLiteral("PA4*%1*0*%1*0").arg(sales.freeCount);
    }

    const QString newline = QStringLiteral("\r\n");
    QString text = QStringLiteral("DXS*%1*VA*V1/1*1").arg(element(m_serialNumber)) + newline;
    text += set.join(newline) + newline;
    text += QStringLiteral("G85*%1").arg(crc16(text.toUtf8()), 4, 16, QLatin1Char('0')).toUpper() + newline;
    // The set counts its own records from ST to SE.
    text += QStringLiteral("SE*%1*0001").arg(set.size() + 2) + newline;
    text += QStringLiteral("DXE*1*1") + newline;
    return text;
}
