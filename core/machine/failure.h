#pragma once

#include "core/machine/failurecommonlist.h"

#include <QObject>
#include <QString>

/// One failure the machine can report, active or not. The machine makes one
/// per identifier; the flags describe how the machine treats it.
class Failure : public QObject
{
    Q_OBJECT

public:
    explicit Failure(FailureCommonList::FailureID id, QObject* parent = nullptr);
    ~Failure() override;

    FailureCommonList::FailureID id() const { return m_id; }

    QString name() const { return m_name; }
    void setName(const QString& name);

    bool isActive() const { return m_active; }
    void setActive(bool active);

    /// Cleared when the machine starts.
    bool isResetAtStart() const { return m_resetAtStart; }
    void setResetAtStart(bool resetAtStart) { m_resetAtStart = resetAtStart; }
    /// Stops dispensing while active.
    bool isBlocking() const { return m_blocking; }
    void setBlocking(bool blocking) { m_blocking = blocking; }
    /// Shown to the customer while active.
    bool isDisplayed() const { return m_displayed; }
    void setDisplayed(bool displayed) { m_displayed = displayed; }
    /// Written to the failure history.
    bool isLogged() const { return m_logged; }
    void setLogged(bool logged) { m_logged = logged; }

    /// The user may reset it; otherwise only a reset of all failures does.
    bool isUserResettable() const { return m_userResettable; }
    void setUserResettable(bool userResettable) { m_userResettable = userResettable; }
    /// A reset clears it; its cause persists otherwise.
    bool isResettable() const { return m_resettable; }
    void setResettable(bool resettable) { m_resettable = resettable; }

    /// Sends a telemetry event about this failure, as the machine's telemetry does.
    void sendTelemetryEvent(const QString& source, bool raised, const QString& code, const QString& text)
    {
        emit notifyTelemetryEvent(source, raised, code, text);
    }

signals:
    void activeChanged(bool active);
    void nameChanged();
    void notifyTelemetryEvent(const QString& source, bool raised, const QString& code, const QString& text);

private:
    FailureCommonList::FailureID m_id;
    QString m_name;
    bool m_active = false;
    bool m_resetAtStart = false;
    bool m_blocking = false;
    bool m_displayed = false;
    bool m_logged = false;
    bool m_userResettable = false;
    bool m_resettable = true;
};
