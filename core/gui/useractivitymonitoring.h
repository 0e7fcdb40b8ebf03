#pragma once

#include <QObject>

/// Watches for the customer's activity; the screen saver waits for its absence.
class UserActivityMonitoring : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    int activityCount() const { return m_count; }

public slots:
    void onActivityDetected()
    {
        ++m_count;
        emit activityDetected();
    }

signals:
    void activityDetected();

private:
    int m_count = 0;
};
