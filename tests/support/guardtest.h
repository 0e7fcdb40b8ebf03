#pragma once

#include "support/accessors.h"
#include "support/machinetest.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <QRegularExpression>

/// What an operation reports when no configuration is loaded.
struct Guard
{
    enum Kind {
        None, ///< nothing: it does not need the configuration
        Configuration, ///< the guard's entry
        Asserted, ///< the assertion that a configuration is loaded
        ReleaseAsserted, ///< the release assertion that a configuration is loaded
        Unsupported, ///< the release assertion of an operation this machine does not offer
    };
    Guard(bool guarded)
        : kind(guarded ? Configuration : None)
    {
    }
    Guard(Kind kind)
        : kind(kind)
    {
    }
    Kind kind;
};

/// One operation of an accessor, called while no configuration is loaded:
/// `call` returns whether the result was the neutral one, and the log must
/// hold exactly what `guard` says.
template <class Accessor> struct GuardCase
{
    const char* operation;
    std::function<bool(Accessor&)> call;
    Guard guard = Guard::Configuration;
    /// The test's name when the operation's name is not enough to tell cases apart.
    const char* name = nullptr;
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
        if (entry.guard.kind == Guard::None) {
            EXPECT_TRUE(entries.isEmpty()) << qPrintable(entries.value(0).text);
            return;
        }
        ASSERT_EQ(entries.size(), 1);
        const QString operation = QStringLiteral("::%1(").arg(QLatin1String(entry.operation));
        switch (entry.guard.kind) {
        case Guard::Asserted:
        case Guard::ReleaseAsserted:
            EXPECT_EQ(entries[0].kind,
                entry.guard.kind == Guard::Asserted ? LogEntry::Kind::Assertion
                                                    : LogEntry::Kind::ReleaseAssertion);
            EXPECT_EQ(entries[0].items.mid(0, 2),
                (QStringList { QStringLiteral("gCoreEnv->configuration()"),
                    QStringLiteral("Configuration is not loaded. Abort.") }));
            return;
        case Guard::Unsupported: {
            // No condition, the full signature, then the file and line that report it.
            const QStringList& items = entries[0].items;
            EXPECT_EQ(entries[0].kind, LogEntry::Kind::ReleaseAssertion);
            EXPECT_EQ(items.size(), 4) << qPrintable(entries[0].text);
            EXPECT_TRUE(items.value(0).isEmpty());
            const QRegularExpression signature(
                QStringLiteral("^\\S.* bridge::\\w+::\\w+%1.*\\)( const)?is not "
                               "implemented\\.$")
                    .arg(QRegularExpression::escape(operation)));
            EXPECT_TRUE(signature.match(items.value(1)).hasMatch()) << qPrintable(items.value(1));
            EXPECT_TRUE(items.value(2).contains(QStringLiteral("bridge/"))) << qPrintable(items.value(2));
            EXPECT_GT(items.value(3).toInt(), 0);
            return;
        }
        default:
            break;
        }
        EXPECT_EQ(entries[0].level, LogLevel::Warning);
        EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Global") });
        const QString signature = entries[0].items.value(0);
        EXPECT_TRUE(signature.contains(operation)) << qPrintable(signature);
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
            return std::string(info.param.name ? info.param.name : info.param.operation);                    \
        })
