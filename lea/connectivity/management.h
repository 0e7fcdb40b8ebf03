#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of which telemetry and payment services are switched on.
class Management : public QObject
{
    Q_OBJECT

public:
    ~Management() override = default;

    virtual bool amicloEnabled() const = 0;
    virtual bool paxioEnabled() const = 0;
    virtual bool maestroEnabled() const = 0;
    virtual bool sophiaEnabled() const = 0;
    virtual bool ersprotocolEnabled() const = 0;
    virtual bool televendEnabled() const = 0;
    virtual bool touchlessEnabled() const = 0;
    /// Products may be selected from a cashless payment device.
    virtual bool remoteSelectorMdbEnabled() const = 0;
    virtual bool newDigitalEnabled() const = 0;

signals:
    void amicloEnabledChanged(bool enabled);
    void paxioEnabledChanged(bool enabled);
    void maestroEnabledChanged(bool enabled);
    void televendEnabledChanged(bool enabled);
    void newDigitalEnabledChanged(bool enabled);
    void ersprotocolEnabledChanged(bool enabled);
    void remoteSelectorEnabledChanged(bool enabled);

protected:
    explicit Management(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
