#include "benchenvironment.h"

#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/gui/guimanager.h"
#include "core/log/logsink.h"

#include <benchmark/benchmark.h>
#include <cstdio>

BenchEnvironment::BenchEnvironment(int& argc, char* argv[])
    : m_app(headless(argc), argv)
    , m_machine(m_directory.filePath(QStringLiteral("machine.sqlite")), CoreSimulator::Storage::Scratch)
{
    LogSink::instance().setEchoEnabled(false);
}

int& BenchEnvironment::headless(int& argc)
{
    // The platform has to be chosen before the application exists.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

Configuration* BenchEnvironment::seedCatalogue(const GeneratedCatalogue& shape, QLocale::Language current)
{
    if (!shape.languages.isEmpty()) {
        m_machine.guiManager().setAvailableLanguages(shape.languages);
        m_machine.guiManager().setCurrentLanguage(current);
    }
    if (!seedGeneratedCatalogue(m_machine.core(), shape)) {
        std::fprintf(stderr, "Seeding the catalogue failed.\n");
        return nullptr;
    }
    return m_machine.core().loadConfiguration();
}

int BenchEnvironment::run(int& argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
