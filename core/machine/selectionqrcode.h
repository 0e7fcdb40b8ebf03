#pragma once

#include "core/machine/abstractqrcode.h"

#include <QString>

/// The QR code the machine shows for the current selection, made of the
/// machine's part and the selection's part.
class SelectionQrCode : public AbstractQrCode
{
    Q_OBJECT

public:
    explicit SelectionQrCode(QObject* parent = nullptr);
    ~SelectionQrCode() override;

    int selectionId() const { return m_id; }
    QString selectionUrl() const { return m_url; }
    void setSelectionData(int id, const QString& url);

    int machineId() const { return m_machineId; }
    QString machineUrl() const { return m_machineUrl; }
    void setMachineData(int id, const QString& url);

signals:
    void selectionDataChanged();

private:
    int m_id = 0;
    QString m_url;
    int m_machineId = 0;
    QString m_machineUrl;
};
