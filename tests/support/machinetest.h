#pragma once

#include "core/coreenvironment.h"
#include "core/coresimulator.h"
#include "core/log/logentry.h"
#include "core/log/logsink.h"
#include "support/printers.h"

#include <gtest/gtest.h>
#include <memory>
#include <QTemporaryDir>

/// A fresh machine on a temporary SQLite database for every test, with a
/// small catalogue and the log captured (not echoed).
class MachineTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CoreSimulator& machine() const { return *m_machine; }
    QString databasePath() const { return tempPath(QStringLiteral("machine.sqlite")); }
    QString tempPath(const QString& name) const { return m_dir.filePath(name); }

    /// Loads a configuration from the database, replacing any loaded one.
    Configuration* loadConfiguration() { return machine().core().loadConfiguration(); }
    void unloadConfiguration() { machine().core().unloadConfiguration(); }

    /// Log entries written since the test started (or since clearLog()).
    static QList<LogEntry> logEntries() { return LogSink::instance().entries(); }
    /// Entries whose text contains `text`.
    static QList<LogEntry> logEntriesContaining(const QString& text);
    static void clearLog() { LogSink::instance().clear(); }

    /// The SQLite file change counter: it grows by one with every committed write.
    quint32 databaseChangeCounter() const;

    /// Runs a statement of the test itself (a trigger, a damaged row) on the machine's database.
    void execute(const QString& statement) const;
    /// Makes the writes that `when` names ("BEFORE UPDATE ON Products", with a WHEN clause
    /// if need be) fail, as a full or damaged disk would.
    void refuseWrites(const QString& when) const;
    /// refuseWrites() for every insert, update and removal of the setting `key`.
    void refuseSetting(const QString& key) const;
    /// Lifts every refusal made so far.
    void acceptWrites() const;

private:
    void seedCatalogue();

    QTemporaryDir m_dir;
    std::unique_ptr<CoreSimulator> m_machine;
    mutable int m_refusals = 0;
};
