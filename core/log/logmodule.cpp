#include "core/log/logmodule.h"

#include <cstring>

bool LogModule::operator==(const LogModule& other) const
{
    return std::strcmp(m_name, other.m_name) == 0;
}

LogModules::LogModules(const LogModule& module)
    : m_names { module.name() }
{
}

LogModules::LogModules(std::initializer_list<LogModule> modules)
{
    for (const LogModule& module : modules)
        m_names << module.name();
}

bool LogModules::contains(const LogModule& module) const
{
    return m_names.contains(module.name());
}

QStringList LogModules::names() const
{
    return m_names;
}

namespace Log {
const LogModule None("None");
const LogModule Global("Global");
const LogModule Configuration("Configuration");
const LogModule Database("Database");
const LogModule InputOutput("InputOutput");
const LogModule Payment("Payment");
const LogModule Playlist("Playlist");
const LogModule Product("Product");
const LogModule Customization("Customization");
const LogModule Beverage("Beverage");
const LogModule CanBus("CanBus");
const LogModule Datamodel("Datamodel");
const LogModule Erogation("Erogation");
const LogModule Failure("Failure");
const LogModule Recipe("Recipe");
const LogModule BeveragesEditor("BeveragesEditor");
const LogModule StateMachine("StateMachine");
const LogModule Translation("Translation");
const LogModule QML("QML");
const LogModule Machine("Machine");
const LogModule Calibration("Calibration");
const LogModule InitSync("InitSync");
const LogModule LocalServer("LocalServer");
const LogModule Event("Event");
const LogModule EnergySaving("EnergySaving");
const LogModule Cleaning("Cleaning");
const LogModule EventSimulation("EventSimulation");
const LogModule Statistics("Statistics");
const LogModule Hardware("Hardware");
const LogModule CoffeeToGoMachine("CoffeeToGoMachine");
const LogModule GrinderRegulation("GrinderRegulation");
const LogModule MultiMachines("MultiMachines");
} // namespace Log
