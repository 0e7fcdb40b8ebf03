#include "benchenvironment.h"

#include "core/log/logsink.h"

#include <benchmark/benchmark.h>

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

int BenchEnvironment::run(int& argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
