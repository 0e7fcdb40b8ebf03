#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class AbstractQrCode;

namespace core {
namespace loyalty {

/// The loyalty programme: whether it runs, since when, its two texts and the
/// QR code the customer scans.
class Manager : public QObject
{
    Q_OBJECT

public:
    explicit Manager(QObject* parent = nullptr);
    ~Manager() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    QDateTime loyaltyDate() const { return m_date; }
    void setLoyaltyDate(const QDateTime& date) { m_date = date; }
    QString firstText() const { return m_firstText; }
    QString secondText() const { return m_secondText; }
    void setTexts(const QString& first, const QString& second);

    AbstractQrCode* qrCode() const { return m_qrCode; }

private:
    bool m_enabled = false;
    QDateTime m_date;
    QString m_firstText;
    QString m_secondText;
    AbstractQrCode* m_qrCode;
};

} // namespace loyalty
} // namespace core
