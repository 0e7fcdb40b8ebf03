#pragma once

#include <initializer_list>
#include <QString>
#include <QStringList>

/// A subsystem of the machine that log entries are filed under.
class LogModule
{
public:
    constexpr explicit LogModule(const char* name)
        : m_name(name)
    {
    }

    QString name() const { return QString::fromLatin1(m_name); }
    bool operator==(const LogModule& other) const;
    bool operator!=(const LogModule& other) const { return !(*this == other); }

private:
    const char* m_name;
};

/// The modules one entry belongs to.
class LogModules
{
public:
    LogModules(const LogModule& module);
    LogModules(std::initializer_list<LogModule> modules);

    bool contains(const LogModule& module) const;
    QStringList names() const;

private:
    QStringList m_names;
};

namespace Log {
extern const LogModule None;
extern const LogModule Global;
extern const LogModule Configuration;
extern const LogModule Database;
extern const LogModule InputOutput;
extern const LogModule Payment;
extern const LogModule Playlist;
extern const LogModule Product;
extern const LogModule Customization;
extern const LogModule Beverage;
extern const LogModule CanBus;
extern const LogModule Datamodel;
extern const LogModule Erogation;
extern const LogModule Failure;
extern const LogModule Recipe;
extern const LogModule BeveragesEditor;
extern const LogModule StateMachine;
extern const LogModule Translation;
extern const LogModule QML;
extern const LogModule Machine;
extern const LogModule Calibration;
extern const LogModule InitSync;
extern const LogModule LocalServer;
extern const LogModule Event;
extern const LogModule EnergySaving;
extern const LogModule Cleaning;
extern const LogModule EventSimulation;
extern const LogModule Statistics;
extern const LogModule Hardware;
extern const LogModule CoffeeToGoMachine;
extern const LogModule GrinderRegulation;
extern const LogModule MultiMachines;
} // namespace Log
