#pragma once

#include "bridge/bridge.h"
#include "core/coresimulator.h"
#include "demo/scenario/scenario.h"

#include <memory>
#include <QObject>
#include <QTemporaryDir>

class QQmlApplicationEngine;

namespace scenario {
class ScenarioPlayer;
}

namespace showcase {

class Showcase;

/// The machine behind the showcase: the simulator on a temporary database with
/// the menu stored, the bridge over it, and the customer's coin slot, which QML
/// reaches as "Machine".
class ShowcaseMachine : public QObject
{
    Q_OBJECT

public:
    /// The showcase's own menu; `stepDelayMs` is how long each preparation
    /// step of a dispensing takes.
    explicit ShowcaseMachine(int stepDelayMs = 700, QObject* parent = nullptr);
    /// The catalogue and the customer of `scenario`, played by start() with
    /// `paceMs` between its steps.
    ShowcaseMachine(const scenario::Scenario& scenario, int paceMs, QObject* parent = nullptr);
    ~ShowcaseMachine() override;

    /// The menu is stored and the machine is ready to sell.
    bool isValid() const { return m_valid; }
    bridge::Bridge& bridge() { return m_bridge; }
    Showcase& showcase() const { return *m_showcase; }

    /// Publishes the showcase, the machine and the telemetry objects to the
    /// engine and loads the user interface; false when it did not load.
    bool load(QQmlApplicationEngine& engine);

    /// The scenario's player; null for the showcase's own menu.
    scenario::ScenarioPlayer* player() const { return m_player.get(); }
    /// Seeds the scenario's catalogue, gives its products images, shows the
    /// menu and plays the timeline; false when the catalogue was refused.
    bool start();

    /// A coin of `value` in the smallest currency unit.
    Q_INVOKABLE void insertCoin(int value);
    /// Telemetry reports as the services' clients would make them.
    Q_INVOKABLE void reportTelemetry(bool connected);

private:
    void createSimulator();

    QTemporaryDir m_directory;
    std::unique_ptr<CoreSimulator> m_simulator;
    bridge::Bridge m_bridge;
    std::unique_ptr<Showcase> m_showcase;
    std::unique_ptr<scenario::ScenarioPlayer> m_player;
    bool m_valid = false;
};

} // namespace showcase
