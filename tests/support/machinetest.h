#pragma once

#include "core/coresimulator.h"
#include "core/log/logentry.h"
#include "support/printers.h"

#include <gtest/gtest.h>
#include <memory>
#include <QTemporaryDir>

class Configuration;

/// A fresh machine on a temporary SQLite database for every test, with a
/// small catalogue and the log captured (not echoed).
class MachineTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CoreSimulator& machine() const { return *m_machine; }
    QString databasePath() const;
    QString tempPath(const QString& name) const;

    /// Loads a configuration from the database, replacing any loaded one.
    Configuration* loadConfiguration();
    void unloadConfiguration();

    /// Log entries written since the test started (or since clearLog()).
    static QList<LogEntry> logEntries();
    /// Entries whose text contains `text`.
    static QList<LogEntry> logEntriesContaining(const QString& text);
    static void clearLog();

    /// The SQLite file change counter: it grows by one with every committed write.
    quint32 databaseChangeCounter() const;

private:
    void seedCatalogue();

    QTemporaryDir m_dir;
    std::unique_ptr<CoreSimulator> m_machine;
};
