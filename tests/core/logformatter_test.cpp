#include "core/log/logformatter.h"
#include "core/log/logsink.h"
#include "support/printers.h"

#include <gtest/gtest.h>

// Bridge tests read entries of one module with texts and numbers; the rest of the format is checked here.
TEST(LogFormatter, WritesOneEntryWhenItDiesWithItemsRenderedAsQDebugDoes)
{
    LogSink::instance().setEchoEnabled(false);
    LogSink::instance().clear();
    {
        LogFormatter formatter(LogLevel::Warning);
        formatter.log({ Log::Product, Log::Database })
            << "void Recipes::save()" << QStringLiteral("say \"hi\"");
        formatter.log({ Log::Product, Log::Database }) << 42 << -7 << true << 1.5;
        EXPECT_TRUE(LogSink::instance().entries().isEmpty());
    }
    const QList<LogEntry> logged = LogSink::instance().entries();
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0].level, LogLevel::Warning);
    EXPECT_EQ(logged[0].modules, (QStringList { QStringLiteral("Product"), QStringLiteral("Database") }));
    const QStringList expected { QStringLiteral("void Recipes::save()"), QStringLiteral("\"say \\\"hi\\\"\""),
        QStringLiteral("42"), QStringLiteral("-7"), QStringLiteral("true"), QStringLiteral("1.5") };
    EXPECT_EQ(logged[0].items, expected);
    EXPECT_EQ(logged[0].text, expected.join(QLatin1Char(' ')));
    EXPECT_EQ(logged[0].kind, LogEntry::Kind::Message);
}
