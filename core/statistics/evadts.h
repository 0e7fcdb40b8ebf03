#pragma once

#include "core/statistics/abstractevadts.h"

#include <QMap>

class Statistics;

/// The machine's EVA-DTS audit data: the identification values and the paid
/// and free vends counted from the machine's vend notifications, reported in
/// the EVA-DTS (DEX/UCS) record format.
class Evadts : public AbstractEvadts
{
    Q_OBJECT

public:
    /// What was sold of one product since the machine was set up.
    struct Sales
    {
        qint64 paidCount = 0;
        qint64 paidValue = 0;
        qint64 freeCount = 0;
    };

    /// Counts the vends that `statistics` reports.
    explicit Evadts(Statistics* statistics, QObject* parent = nullptr);
    ~Evadts() override;

    QString machineSerialNumber() const { return m_serialNumber; }
    void setMachineSerialNumber(const QString& serialNumber) { m_serialNumber = serialNumber; }
    QString machineModelNumber() const { return m_modelNumber; }
    void setMachineModelNumber(const QString& modelNumber) { m_modelNumber = modelNumber; }
    QString machineBuildStandard() const { return m_buildStandard; }
    void setMachineBuildStandard(const QString& buildStandard) { m_buildStandard = buildStandard; }
    /// Digits after the decimal point of the prices.
    QString decimalPointPosition() const { return m_decimalPointPosition; }
    void setDecimalPointPosition(const QString& position) { m_decimalPointPosition = position; }
    /// ISO 4217 code of the machine's currency, numeric ("978") and alphabetic ("EUR").
    QString numericCurrencyCode() const { return m_numericCurrencyCode; }
    void setNumericCurrencyCode(const QString& code) { m_numericCurrencyCode = code; }
    QString alphabeticCurrencyCode() const { return m_alphabeticCurrencyCode; }
    void setAlphabeticCurrencyCode(const QString& code) { m_alphabeticCurrencyCode = code; }
    /// The machine's date ("YYMMDD") and time ("HHMM").
    QString systemDate() const;
    QString systemTime() const;

    /// The sales by product id.
    QMap<int, Sales> sales() const { return m_sales; }

protected:
    QString buildReport() const override;

private:
    QString m_serialNumber = QStringLiteral("0");
    QString m_modelNumber;
    QString m_buildStandard = QStringLiteral("0");
    QString m_decimalPointPosition = QStringLiteral("2");
    QString m_numericCurrencyCode = QStringLiteral("978");
    QString m_alphabeticCurrencyCode = QStringLiteral("EUR");
    QMap<int, Sales> m_sales;
};
