#pragma once

/// Reports a failed assertion; the caller goes on.
void printAssertMsg(const char* expression, const char* message, const char* file, int line);

/// Reports a failed release assertion. The process is not ended, so that the
/// caller can abandon the operation and tests can observe the report.
void printReleaseAssertMsg(const char* expression, const char* message, const char* file, int line);

/// Prints a warning of the program itself (an operation it does not offer);
/// the caller goes on.
void printWarningMsg(const char* message, const char* file, int line);
