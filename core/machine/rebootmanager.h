#pragma once

#include <QObject>

/// Restarts the system or the application, soon (once the machine is idle) or at once. The
/// stand-in restarts nothing: it reports each request.
class RebootManager : public QObject
{
    Q_OBJECT

public:
    enum Request : int {
        SystemSoon = 0,
        SystemImmediately = 1,
        ApplicationSoon = 2,
        ApplicationImmediately = 3,
    };
    Q_ENUM(Request)

    explicit RebootManager(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    void rebootSystem() { emit rebootRequested(SystemSoon); }
    void rebootSystemImmediately() { emit rebootRequested(SystemImmediately); }
    void rebootApplication() { emit rebootRequested(ApplicationSoon); }
    void rebootApplicationImmediately() { emit rebootRequested(ApplicationImmediately); }

signals:
    void rebootRequested(RebootManager::Request request);
};
