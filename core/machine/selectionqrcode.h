#pragma once

#include <QObject>
#include <QString>

/// The QR code the machine shows for the current selection.
class SelectionQrCode : public QObject
{
    Q_OBJECT

public:
    explicit SelectionQrCode(QObject* parent = nullptr);
    ~SelectionQrCode() override;

    int selectionId() const { return m_id; }
    QString selectionUrl() const { return m_url; }
    void setSelectionData(int id, const QString& url);

signals:
    void selectionDataChanged();

private:
    int m_id = 0;
    QString m_url;
};
