#include "bridge/hardware/diskspace.h"

#include "core/coreenvironment.h"
#include "core/log/logformatter.h"

#include <limits>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace bridge {
namespace hardware {

namespace {

const int desktopPlatform = 1;
// This board keeps its data on another partition than the others.
const int thirdPartitionHardwareKind = 5;
// A process that ignores its kill is given this long to be reaped before read() gives up on it.
const int reapTimeout = 5000;

void logFailure(const char* signature, const char* reason)
{
    LogFormatter(LogLevel::Warning).log(Log::Hardware)
        << signature << (QByteArray("Reading disk space failed: ") + reason).constData();
}

// A count of 1024-byte blocks in bytes; empty for anything but a plain decimal number that fits.
nonstd::optional<quint64> blocksToBytes(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return nonstd::nullopt;
    bool ok = false;
    const quint64 blocks = text.toULongLong(&ok, 10);
    if (!ok || blocks > std::numeric_limits<quint64>::max() / 1024)
        return nonstd::nullopt;
    return blocks * 1024;
}

} // namespace

DiskSpace::DiskSpace(QObject* parent)
    : lea::hardware::DiskSpace(parent)
    , m_program(QStringLiteral("df"))
    , m_timeout(30000)
{
}

nonstd::optional<DiskSpace::Info> DiskSpace::read() const
{
    if (gCoreEnv->platform() == desktopPlatform)
        return Info { 3088115470u, 2495818042u, 592297428u };

    const QString partition = gCoreEnv->hardwareKind() == thirdPartitionHardwareKind
        ? QStringLiteral("mmcblk0p3")
        : QStringLiteral("mmcblk0p7");

    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(m_program, { QStringLiteral("-P") }, QIODevice::ReadOnly);
    if (!process.waitForStarted(m_timeout)) {
        logFailure(Q_FUNC_INFO, "process could not be started");
        return nonstd::nullopt;
    }
    const int remaining = static_cast<int>(qMax<qint64>(0, m_timeout - clock.elapsed()));
    if (!process.waitForFinished(remaining)) {
        process.kill();
        process.waitForFinished(reapTimeout);
        logFailure(Q_FUNC_INFO, "process timed out");
        return nonstd::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        logFailure(Q_FUNC_INFO, "process crashed");
        return nonstd::nullopt;
    }

    // The partition's line: its device name, then the total, used and available blocks.
    QList<QStringList> lines;
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!fields.isEmpty() && fields.first().contains(partition))
            lines << fields;
    }
    if (lines.isEmpty()) {
        logFailure(Q_FUNC_INFO, "process returned an empty set");
        return nonstd::nullopt;
    }
    if (lines.size() != 1 || lines.first().size() < 4) {
        logFailure(Q_FUNC_INFO, "process returned an invalid set");
        return nonstd::nullopt;
    }
    const QStringList& fields = lines.first();
    const nonstd::optional<quint64> total = blocksToBytes(fields[1]);
    const nonstd::optional<quint64> used = blocksToBytes(fields[2]);
    const nonstd::optional<quint64> available = blocksToBytes(fields[3]);
    if (!total || !used || !available) {
        logFailure(Q_FUNC_INFO, "process returned an invalid set");
        return nonstd::nullopt;
    }
    return Info { *total, *used, *available };
}

} // namespace hardware
} // namespace bridge
