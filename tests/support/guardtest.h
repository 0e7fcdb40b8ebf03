#pragma once

#include "support/accessors.h"
#include "support/machinetest.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

/// One operation of an accessor, called while no configuration is loaded:
/// `call` returns whether the result was the neutral one. An operation that
/// does not need the configuration is listed with `guarded` false: it must
/// then log nothing.
template <class Accessor> struct GuardCase
{
    const char* operation;
    std::function<bool(Accessor&)> call;
    bool guarded = true;
};

template <class Accessor> void PrintTo(const GuardCase<Accessor>& entry, std::ostream* os)
{
    *os << entry.operation;
}

/// Checks one operation of the guard table: the neutral result, and exactly
/// one entry made of the operation's signature and the guard's text.
template <class Interface, class Accessor>
class GuardTest : public MachineTest, public ::testing::WithParamInterface<GuardCase<Accessor>>
{
protected:
    void check()
    {
        const GuardCase<Accessor>& entry = this->GetParam();
        unloadConfiguration();
        const std::unique_ptr<Accessor> accessor = createAccessor<Interface, Accessor>();
        ASSERT_TRUE(accessor);
        clearLog();
        EXPECT_TRUE(entry.call(*accessor)) << "result is not neutral";
        const QList<LogEntry> entries = logEntries();
        if (!entry.guarded) {
            EXPECT_TRUE(entries.isEmpty()) << qPrintable(entries.value(0).text);
            return;
        }
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].level, LogLevel::Warning);
        EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Global") });
        const QString signature = entries[0].items.value(0);
        EXPECT_TRUE(signature.contains(QStringLiteral("::%1(").arg(QLatin1String(entry.operation))))
            << qPrintable(signature);
        EXPECT_EQ(
            entries[0].items.value(1), QStringLiteral("Configuration is not loaded. Operation canceled."));
    }
};

/// Checks every operation of `table` (an array of GuardCase<Accessor>) of the
/// accessor made for `Interface`.
#define GUARD_TEST(Suite, Interface, Accessor, table)                                                        \
    using Suite = GuardTest<Interface, Accessor>;                                                            \
    TEST_P(Suite, WithoutConfigurationLogsOnceAndGivesTheNeutralResult)                                      \
    {                                                                                                        \
        check();                                                                                             \
    }                                                                                                        \
    INSTANTIATE_TEST_SUITE_P(Operations, Suite, ::testing::ValuesIn(table),                                  \
        [](const ::testing::TestParamInfo<GuardCase<Accessor>>& info) {                                      \
            return std::string(info.param.operation);                                                        \
        })
