#include "machinetest.h"

#include "core/configuration/configurationgroup.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/gui/guimanager.h"
#include "core/log/logsink.h"

#include <cstdio>
#include <QFile>

void MachineTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    LogSink::instance().setEchoEnabled(qEnvironmentVariableIsSet("BRIDGE_TEST_LOG"));
    m_machine = std::make_unique<CoreSimulator>(databasePath(), CoreSimulator::Storage::Scratch);
    seedCatalogue();
    clearLog();
}

void MachineTest::TearDown()
{
    // A failing test shows what the machine logged on the way.
    if (HasFailure()) {
        for (const LogEntry& entry : logEntries())
            std::fprintf(stderr, "log %d: %s\n", int(entry.level), qPrintable(entry.text));
    }
    m_machine.reset();
}

QString MachineTest::databasePath() const
{
    return tempPath(QStringLiteral("machine.sqlite"));
}

QString MachineTest::tempPath(const QString& name) const
{
    return m_dir.filePath(name);
}

Configuration* MachineTest::loadConfiguration()
{
    return machine().core().loadConfiguration();
}

void MachineTest::unloadConfiguration()
{
    machine().core().unloadConfiguration();
}

QList<LogEntry> MachineTest::logEntries()
{
    return LogSink::instance().entries();
}

QList<LogEntry> MachineTest::logEntriesContaining(const QString& text)
{
    QList<LogEntry> found;
    for (const LogEntry& entry : logEntries()) {
        if (entry.text.contains(text))
            found << entry;
    }
    return found;
}

void MachineTest::clearLog()
{
    LogSink::instance().clear();
}

quint32 MachineTest::databaseChangeCounter() const
{
    QFile file(databasePath());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(28);
    if (header.size() < 28)
        return 0;
    const auto byte = [&](int i) { return quint32(quint8(header.at(i))); };
    return (byte(24) << 24) | (byte(25) << 16) | (byte(26) << 8) | byte(27);
}

void MachineTest::seedCatalogue()
{
    machine().guiManager().setAvailableLanguages({ QLocale::English, QLocale::German, QLocale::French });
    TranslationsManager& translations = *machine().core().configurationGroup()->translationsManager();
    translations.addTranslation(
        QStringLiteral("Espresso"), TypedString::RecipeName, QLocale::English, QStringLiteral("Espresso"));
    translations.addTranslation(
        QStringLiteral("Espresso"), TypedString::RecipeName, QLocale::German, QStringLiteral("Espresso"));
    translations.addTranslation(QStringLiteral("Espresso"), TypedString::RecipeName, QLocale::Italian,
        QStringLiteral("Caffè espresso"));
    translations.addTranslation(QStringLiteral("Hot chocolate"), TypedString::RecipeName, QLocale::English,
        QStringLiteral("Hot chocolate"));
    translations.addTranslation(QStringLiteral("Hot chocolate"), TypedString::RecipeName, QLocale::German,
        QStringLiteral("Heiße Schokolade"));
    translations.addTranslation(
        QStringLiteral("Hot chocolate"), TypedString::RecipeName, QLocale::French, QString());
    translations.addTranslation(QStringLiteral("Hot drinks"), TypedString::CategoryTitle, QLocale::German,
        QStringLiteral("Heißgetränke"));
    const bool saved = translations.save();
    ASSERT_TRUE(saved);
}
