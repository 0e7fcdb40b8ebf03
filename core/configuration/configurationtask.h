#pragma once

#include <functional>
#include <QObject>

class ConfigurationManager;

/// A piece of configuration work waiting in the configuration manager's queue.
/// The manager owns it and destroys it once it ran or was canceled.
class ConfigurationTask : public QObject
{
    Q_OBJECT

public:
    ~ConfigurationTask() override;

signals:
    void finished();
    void canceled();

private:
    friend class ConfigurationManager;

    explicit ConfigurationTask(std::function<void()> work);
    void run();
    void cancel();

    std::function<void()> m_work;
};
