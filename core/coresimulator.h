#pragma once

#include <memory>
#include <QString>

class CoreEnvironment;
class GuiEnvironment;
class GuiManager;
class HardwareEnvironment;

/// A running machine core on a SQLite database file: creates the core
/// environments, publishes them as gCoreEnv, gHardwareEnv and gGuiEnv for its
/// lifetime, and lets the demo and tests drive the machine.
class CoreSimulator
{
public:
    /// How much the database file must survive.
    enum class Storage {
        Durable, ///< every commit reaches the disk, as on a machine
        Scratch, ///< a throw-away file (tests): commits are not flushed to the disk
    };

    explicit CoreSimulator(const QString& databasePath, Storage storage = Storage::Durable);
    ~CoreSimulator();

    CoreSimulator(const CoreSimulator&) = delete;
    CoreSimulator& operator=(const CoreSimulator&) = delete;

    CoreEnvironment& core() const { return *m_core; }
    HardwareEnvironment& hardware() const { return *m_hardware; }
    GuiEnvironment& gui() const { return *m_gui; }
    GuiManager& guiManager() const;

private:
    std::unique_ptr<CoreEnvironment> m_core;
    std::unique_ptr<HardwareEnvironment> m_hardware;
    std::unique_ptr<GuiEnvironment> m_gui;
};
