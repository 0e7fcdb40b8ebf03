#pragma once

#include "lea/hardware/diskspace.h"

#include <QString>

namespace bridge {
namespace hardware {

/// Reads the sizes of the machine's data partition from the file system list that `df -P` prints.
class DiskSpace : public lea::hardware::DiskSpace
{
    Q_OBJECT

public:
    explicit DiskSpace(QObject* parent);

    nonstd::optional<Info> read() const override;

    /// The program run with the argument "-P" to list the file systems ("df").
    QString program() const { return m_program; }
    void setProgram(const QString& program) { m_program = program; }
    /// How long read() waits for the program before it kills it, in milliseconds.
    int timeout() const { return m_timeout; }
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }

private:
    QString m_program;
    int m_timeout;
};

} // namespace hardware
} // namespace bridge
