#pragma once

#include <QObject>

/// The state of one ERS integration as the core GUI shows it: an
/// ERSProtocolProperties::Status.
class ErsStatusGroup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int status READ status NOTIFY statusChanged)

public:
    explicit ErsStatusGroup(QObject* parent = nullptr);
    ~ErsStatusGroup() override;

    int status() const { return m_status; }
    void setStatus(int status);

signals:
    void statusChanged();

private:
    int m_status = 0;
};
