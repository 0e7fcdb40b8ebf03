#pragma once

namespace LogLevel {
/// Severity of a log entry. Level 3 marks soft failures, 4 database and file failures.
enum Level : int {
    Trace = 0,
    Debug = 1,
    Info = 2,
    Warning = 3,
    Error = 4,
    Fatal = 5,
};
} // namespace LogLevel
