#pragma once

#include "demo/scenario/scenario.h"

#include <memory>
#include <QObject>
#include <QString>
#include <QTimer>

class CoreSimulator;

namespace bridge {
class Bridge;
}

namespace lea {
namespace interface {
class Selection;
}
namespace maintenance {
class Failures;
}
namespace misc {
class States;
}
namespace payment {
class Payments;
}
namespace products {
class Customizations;
}
namespace statistics {
class Delivery;
}
} // namespace lea

namespace scenario {

class SignalRecorder;

/// Plays a scenario on a machine simulator through a bridge, on the Qt event
/// loop: seeds the catalogue, then runs the timeline one step at a time. A
/// step passes once every signal it expects was recorded; one still missing
/// after the step timeout fails the scenario. Simulated time moves only with
/// the timeline's waits, so nothing sleeps but the pace between steps.
class ScenarioPlayer : public QObject
{
    Q_OBJECT

public:
    /// Plays `scenario` on `machine`, whose environments must be in place,
    /// through `bridge`; both must outlive the player.
    ScenarioPlayer(
        Scenario scenario, CoreSimulator& machine, bridge::Bridge& bridge, QObject* parent = nullptr);
    ~ScenarioPlayer() override;

    const Scenario& scenario() const { return m_scenario; }

    /// Real milliseconds between two steps (0 by default).
    int pace() const { return m_pace; }
    void setPace(int milliseconds) { m_pace = milliseconds; }
    /// Real milliseconds a step may wait for its expected signals (2000 by default).
    int stepTimeout() const { return m_stepTimeout; }
    void setStepTimeout(int milliseconds) { m_stepTimeout = milliseconds; }

    bool isRunning() const { return m_running; }
    /// Why the scenario failed, naming the file, line and step; empty otherwise.
    QString failure() const { return m_failure; }
    const SignalRecorder& recorder() const { return *m_recorder; }
    /// Credit, machine and dispensing state, deliveries and active failures, as the accessors tell them.
    QString status() const;

public slots:
    /// Seeds the catalogue and starts the timeline; does nothing while running or once finished.
    void start();

signals:
    /// Step `index` starts.
    void step(int index, const QString& description);
    /// What a call of the step answered ("quick code 12: Success").
    void note(int index, const QString& text);
    /// A signal recorded while step `index` ran.
    void signalSeen(int index, const QString& line);
    /// Step `index` ended; `message` says why when it failed.
    void stepFinished(int index, bool passed, const QString& message);
    void finished(bool passed);

private:
    void runStep(int index);
    /// Performs the step's event; an empty result when it could be done, else why not.
    QString perform(const Scenario::Step& step);
    void checkExpectations();
    QStringList unmetExpectations() const;
    void failStep(const QString& message);
    void finish(bool passed);
    QString where(int index) const;

    Scenario m_scenario;
    CoreSimulator& m_machine;
    bridge::Bridge& m_bridge;
    SignalRecorder* m_recorder;
    std::unique_ptr<lea::interface::Selection> m_selection;
    std::unique_ptr<lea::payment::Payments> m_payments;
    std::unique_ptr<lea::misc::States> m_states;
    std::unique_ptr<lea::statistics::Delivery> m_delivery;
    std::unique_ptr<lea::maintenance::Failures> m_failures;
    std::unique_ptr<lea::products::Customizations> m_customizations;

    int m_pace = 0;
    int m_stepTimeout = 2000;
    bool m_running = false;
    bool m_started = false;
    int m_index = -1;
    /// The first recorded line of the running step.
    int m_stepStart = 0;
    bool m_performing = false;
    bool m_waiting = false;
    QTimer m_timeout;
    QTimer m_paceTimer;
    QString m_failure;
};

} // namespace scenario
