#pragma once

#include <QObject>

/// A network link of the machine and whether it is up.
class NetworkParameters : public QObject
{
    Q_OBJECT

public:
    explicit NetworkParameters(QObject* parent = nullptr);
    ~NetworkParameters() override;

    bool isActive() const { return m_active; }
    /// The link came up or went down (simulator hook).
    void setActive(bool active);

signals:
    void isActiveChanged();

private:
    bool m_active = false;
};
