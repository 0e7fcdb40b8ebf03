#include "core/log/assert.h"
#include "core/log/logformatter.h"
#include "core/log/logsink.h"
#include "support/printers.h"

#include <gtest/gtest.h>
#include <QThread>

namespace {

class Logger : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LogSink::instance().setEchoEnabled(false);
        LogSink::instance().clear();
    }
    static QList<LogEntry> entries() { return LogSink::instance().entries(); }
};

} // namespace

TEST_F(Logger, ItemsAreRenderedAsQDebugDoesAndJoinedByOneBlank)
{
    LogFormatter(LogLevel::Warning).log(Log::Product)
        << "void Recipes::save()" << QStringLiteral("say \"hi\"") << 42 << -7 << true << 1.5;
    const QList<LogEntry> logged = entries();
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0].level, LogLevel::Warning);
    EXPECT_EQ(logged[0].modules, QStringList { QStringLiteral("Product") });
    const QStringList expected { QStringLiteral("void Recipes::save()"), QStringLiteral("\"say \\\"hi\\\"\""),
        QStringLiteral("42"), QStringLiteral("-7"), QStringLiteral("true"), QStringLiteral("1.5") };
    EXPECT_EQ(logged[0].items, expected);
    EXPECT_EQ(logged[0].text, expected.join(QLatin1Char(' ')));
    EXPECT_EQ(logged[0].kind, LogEntry::Kind::Message);
}

TEST_F(Logger, EntryIsWrittenOnlyWhenTheFormatterDies)
{
    {
        LogFormatter formatter(LogLevel::Error);
        formatter.log({ Log::Database, Log::Configuration }) << "first";
        formatter.log({ Log::Database, Log::Configuration }) << "second";
        EXPECT_TRUE(entries().isEmpty());
    }
    const QList<LogEntry> logged = entries();
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0].text, QStringLiteral("first second"));
    EXPECT_EQ(
        logged[0].modules, (QStringList { QStringLiteral("Database"), QStringLiteral("Configuration") }));
}

TEST_F(Logger, UnusedFormatterWritesNothing)
{
    {
        LogFormatter formatter(LogLevel::Fatal);
    }
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(Logger, AssertionsAreRecordedAndTheCallerGoesOn)
{
    printAssertMsg("coreId >= 0", "Expected valid identifier", "utils.cpp", 12);
    printReleaseAssertMsg("recipe", "Missing recipe", "recipes.cpp", 34);
    const QList<LogEntry> logged = entries();
    ASSERT_EQ(logged.size(), 2);
    EXPECT_EQ(logged[0].kind, LogEntry::Kind::Assertion);
    EXPECT_EQ(logged[0].items,
        (QStringList { QStringLiteral("coreId >= 0"), QStringLiteral("Expected valid identifier"),
            QStringLiteral("utils.cpp"), QStringLiteral("12") }));
    EXPECT_EQ(logged[1].kind, LogEntry::Kind::ReleaseAssertion);
    EXPECT_GT(int(logged[1].level), int(logged[0].level));
    EXPECT_TRUE(logged[1].text.contains(QStringLiteral("Missing recipe")));
}

TEST_F(Logger, EntriesFromSeveralThreadsAreKeptWhole)
{
    constexpr int kThreads = 4;
    constexpr int kPerThread = 200;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([t] {
            for (int i = 0; i < kPerThread; ++i)
                LogFormatter(LogLevel::Debug).log(Log::Global) << "thread" << t << "entry" << i;
        }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        thread->wait();
    const QList<LogEntry> logged = entries();
    ASSERT_EQ(logged.size(), kThreads * kPerThread);
    for (const LogEntry& entry : logged)
        ASSERT_EQ(entry.items.size(), 4);
}
