#include "machinetest.h"

#include "core/configuration/configurationgroup.h"
#include "core/configuration/path.h"
#include "core/configuration/translationsmanager.h"
#include "core/database/abstractdatabase.h"
#include "core/gui/guimanager.h"

#include <cstdio>
#include <QFile>
#include <QSqlQuery>
#include <tuple>

void MachineTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    LogSink::instance().setEchoEnabled(qEnvironmentVariableIsSet("BRIDGE_TEST_LOG"));
    m_machine = std::make_unique<CoreSimulator>(databasePath(), CoreSimulator::Storage::Scratch);
    // The machine's own directories are never written by a test.
    m_machine->core().path()->setRoot(tempPath(QStringLiteral("root")));
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

QList<LogEntry> MachineTest::logEntriesContaining(const QString& text)
{
    QList<LogEntry> found;
    for (const LogEntry& entry : logEntries()) {
        if (entry.text.contains(text))
            found << entry;
    }
    return found;
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
    const std::tuple<const char*, TypedString::StringType, QLocale::Language, const char*> rows[] = {
        { "Espresso", TypedString::RecipeName, QLocale::English, "Espresso" },
        { "Espresso", TypedString::RecipeName, QLocale::German, "Espresso" },
        { "Espresso", TypedString::RecipeName, QLocale::Italian, "Caffè espresso" },
        { "Hot chocolate", TypedString::RecipeName, QLocale::English, "Hot chocolate" },
        { "Hot chocolate", TypedString::RecipeName, QLocale::German, "Heiße Schokolade" },
        { "Hot chocolate", TypedString::RecipeName, QLocale::French, nullptr },
        { "Hot drinks", TypedString::CategoryTitle, QLocale::German, "Heißgetränke" },
    };
    for (const auto& [original, type, language, text] : rows)
        translations.addTranslation(QString::fromUtf8(original), type, language, QString::fromUtf8(text));
    ASSERT_TRUE(translations.save());
}

void MachineTest::execute(const QString& statement) const
{
    QSqlQuery query(machine().core().configurationGroup()->database()->database());
    ASSERT_TRUE(query.exec(statement)) << qPrintable(statement);
}

void MachineTest::refuseWrites(const QString& when) const
{
    execute(QStringLiteral("CREATE TRIGGER refusal_%1 %2 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                .arg(++m_refusals)
                .arg(when));
}

void MachineTest::refuseSetting(const QString& key) const
{
    QString quoted = key;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    refuseWrites(QStringLiteral("BEFORE INSERT ON Settings WHEN NEW.key = '%1'").arg(quoted));
    refuseWrites(QStringLiteral("BEFORE UPDATE ON Settings WHEN OLD.key = '%1'").arg(quoted));
    refuseWrites(QStringLiteral("BEFORE DELETE ON Settings WHEN OLD.key = '%1'").arg(quoted));
}

void MachineTest::acceptWrites() const
{
    for (; m_refusals > 0; --m_refusals)
        execute(QStringLiteral("DROP TRIGGER refusal_%1").arg(m_refusals));
}
