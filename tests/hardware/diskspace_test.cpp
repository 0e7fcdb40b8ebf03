#include "bridge/hardware/diskspace.h"
#include "core/coreenvironment.h"
#include "support/guardtest.h"

#include <QElapsedTimer>
#include <QFile>

namespace {

using LeaDiskSpace = lea::hardware::DiskSpace;
using DiskSpace = bridge::hardware::DiskSpace;
using Info = LeaDiskSpace::Info;

const int desktopPlatform = 1;

// The disk is the machine's: reading it needs no configuration (on the desktop, where no program runs).
const GuardCase<DiskSpace> guardCases[] = {
    { "read",
        [](DiskSpace& d) {
            gCoreEnv->setPlatform(desktopPlatform);
            return d.read().has_value();
        },
        Guard::None },
};
GUARD_TEST(DiskSpaceGuard, LeaDiskSpace, DiskSpace, guardCases);

const char header[] = "Filesystem     1024-blocks    Used Available Capacity Mounted on\n";

class DiskSpaceTest : public MachineTest
{
protected:
    // An accessor whose `df` is a script that runs `body`.
    std::unique_ptr<DiskSpace> diskSpace(const QByteArray& body)
    {
        const QString path = tempPath(QStringLiteral("df"));
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\n" + body + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        auto accessor = createAccessor<LeaDiskSpace, DiskSpace>();
        accessor->setProgram(path);
        accessor->setTimeout(200);
        return accessor;
    }
    // An accessor whose `df` prints `output`.
    std::unique_ptr<DiskSpace> printing(const QByteArray& output)
    {
        QFile file(tempPath(QStringLiteral("output")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(output);
        file.close();
        return diskSpace("exec cat '" + tempPath(QStringLiteral("output")).toLocal8Bit() + "'");
    }
    // The one log line of a failed read.
    void expectFailure(const DiskSpace& accessor, const char* reason)
    {
        clearLog();
        EXPECT_FALSE(accessor.read().has_value());
        const QList<LogEntry> entries = logEntries();
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].level, LogLevel::Warning);
        EXPECT_TRUE(entries[0].items.value(0).contains(QStringLiteral("DiskSpace::read(")));
        EXPECT_EQ(entries[0].items.value(1),
            QStringLiteral("Reading disk space failed: %1").arg(QLatin1String(reason)));
    }
};

bool operator==(const Info& a, const Info& b)
{
    return a.total == b.total && a.used == b.used && a.available == b.available;
}

TEST_F(DiskSpaceTest, GivesTheDataPartitionsBlocksInBytes)
{
    const auto accessor = printing(QByteArray(header) + "/dev/mmcblk0p1    5000    10   4990   1% /boot\n"
        + "/dev/mmcblk0p7    100     40     60    40% /data\n");
    clearLog();
    const nonstd::optional<Info> info = accessor->read();
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(*info == (Info { 102400, 40960, 61440 }));
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(DiskSpaceTest, TheBoardOfKindFiveKeepsItsDataOnTheThirdPartition)
{
    const auto accessor = printing(QByteArray(header) + "/dev/mmcblk0p3 300 100 200 33% /data\n"
        + "/dev/mmcblk0p7 100 40 60 40% /other\n");
    gCoreEnv->setHardwareKind(5);
    const nonstd::optional<Info> info = accessor->read();
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(*info == (Info { 307200, 102400, 204800 }));
}

TEST_F(DiskSpaceTest, TheDesktopRunsNothingAndGivesFixedSizes)
{
    gCoreEnv->setPlatform(desktopPlatform);
    const auto accessor = createAccessor<LeaDiskSpace, DiskSpace>();
    accessor->setProgram(tempPath(QStringLiteral("missing")));
    const nonstd::optional<Info> info = accessor->read();
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(*info == (Info { 3088115470u, 2495818042u, 592297428u }));
}

struct BadOutput
{
    const char* name;
    const char* output;
    const char* reason;
};

const BadOutput badOutputs[] = {
    { "Nothing", "", "process returned an empty set" },
    { "NoDataPartition", "/dev/sda1 100 40 60 40% /\n", "process returned an empty set" },
    { "NotANumber", "/dev/mmcblk0p7 100 forty 60 40% /data\n", "process returned an invalid set" },
    { "Negative", "/dev/mmcblk0p7 100 -40 60 40% /data\n", "process returned an invalid set" },
    { "Fraction", "/dev/mmcblk0p7 100 40.5 60 40% /data\n", "process returned an invalid set" },
    { "TooFewFields", "/dev/mmcblk0p7 100 40\n", "process returned an invalid set" },
    { "TwoDataPartitions", "/dev/mmcblk0p7 100 40 60 40% /data\n/dev/mmcblk0p7 1 1 0 100% /copy\n",
        "process returned an invalid set" },
    { "BeyondSixtyFourBits", "/dev/mmcblk0p7 18446744073709551615 40 60 1% /data\n",
        "process returned an invalid set" },
    { "BytesBeyondSixtyFourBits", "/dev/mmcblk0p7 18014398509481984 40 60 1% /data\n",
        "process returned an invalid set" },
};

class DiskSpaceBadOutput : public DiskSpaceTest, public ::testing::WithParamInterface<BadOutput>
{
};

TEST_P(DiskSpaceBadOutput, IsAFailureNeverZero)
{
    const auto accessor = printing(QByteArray(header) + GetParam().output);
    expectFailure(*accessor, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Outputs, DiskSpaceBadOutput, ::testing::ValuesIn(badOutputs), caseName<BadOutput>);

TEST_F(DiskSpaceTest, AHangingProgramIsKilledWhenItsTimeIsUp)
{
    const auto accessor = diskSpace("exec sleep 30");
    QElapsedTimer clock;
    clock.start();
    expectFailure(*accessor, "process timed out");
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(DiskSpaceTest, AProgramThatDoesNotStartIsAFailure)
{
    const auto accessor = createAccessor<LeaDiskSpace, DiskSpace>();
    accessor->setProgram(tempPath(QStringLiteral("missing")));
    expectFailure(*accessor, "process could not be started");
}

TEST_F(DiskSpaceTest, AProgramKilledBySignalIsAFailure)
{
    const auto accessor = diskSpace("echo '/dev/mmcblk0p7 100 40 60 40% /data'\nkill -9 $$");
    expectFailure(*accessor, "process crashed");
}

} // namespace
