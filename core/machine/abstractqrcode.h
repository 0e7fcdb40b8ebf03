#pragma once

#include <QObject>
#include <QString>

/// A QR code the machine shows: the text it encodes, when it has one.
class AbstractQrCode : public QObject
{
    Q_OBJECT

public:
    explicit AbstractQrCode(QObject* parent = nullptr);
    ~AbstractQrCode() override;

    virtual QString data() const { return m_data; }
    virtual bool hasData() const { return !m_data.isEmpty(); }

    /// The machine's code generator produced `data` (simulator hook).
    void setData(const QString& data);

signals:
    void dataChanged(const QString& data);

private:
    QString m_data;
};
