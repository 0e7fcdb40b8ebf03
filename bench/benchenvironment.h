#pragma once

#include "core/coresimulator.h"
#include "support/catalogue.h"

#include <QGuiApplication>
#include <QTemporaryDir>

class Configuration;

/// What every benchmark program runs on: a headless application, the log echo off and a
/// fresh simulator in a temporary directory. Objects set up after it are gone before it.
class BenchEnvironment
{
public:
    BenchEnvironment(int& argc, char* argv[]);

    CoreSimulator& machine() { return m_machine; }
    QTemporaryDir& directory() { return m_directory; }

    /// Offers `shape`'s languages with `current` shown, stores the catalogue and loads it;
    /// the loaded configuration, or null (with a message) when seeding fails.
    Configuration* seedCatalogue(
        const GeneratedCatalogue& shape, QLocale::Language current = QLocale::English);

    /// Runs the benchmarks named on the command line; the program's exit code.
    int run(int& argc, char* argv[]);

private:
    static int& headless(int& argc);

    QGuiApplication m_app;
    QTemporaryDir m_directory;
    CoreSimulator m_machine;
};
