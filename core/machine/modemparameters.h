#pragma once

#include <QObject>
#include <QString>

/// The operator's settings of the mobile modem.
class ModemParameters : public QObject
{
    Q_OBJECT

public:
    explicit ModemParameters(QObject* parent = nullptr);
    ~ModemParameters() override;

    /// The modem is switched on; a machine leaves the factory with it off.
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    /// The access point name the modem dials.
    QString apn() const { return m_apn; }
    void setApn(const QString& apn);

signals:
    void isEnabledChanged();
    void apnChanged();

private:
    bool m_enabled = false;
    QString m_apn;
};
