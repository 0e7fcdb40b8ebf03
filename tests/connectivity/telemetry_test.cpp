// What the AmiClo and NewDigital accessors share: the operator's requests,
// the clients' update reports, and the imports of what they downloaded.
#include "bridge/connectivity/amiclo.h"
#include "bridge/connectivity/downloadimports.h"
#include "bridge/connectivity/newdigital.h"
#include "bridge/qml/amicloproperties.h"
#include "bridge/qml/newdigitalproperties.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/database/abstractdatabase.h"
#include "core/settings/settingsstore.h"
#include "support/accessors.h"
#include "support/machinetest.h"
#include "support/settingsaccessortest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {

struct AmiCloService
{
    using Interface = lea::connectivity::AmiClo;
    using Accessor = bridge::connectivity::AmiClo;
    using Properties = bridge::qml::AmiCloProperties;
};

struct NewDigitalService
{
    using Interface = lea::connectivity::NewDigital;
    using Accessor = bridge::connectivity::NewDigital;
    using Properties = bridge::qml::NewDigitalProperties;
};

template <class Service>
class Telemetry : public SettingsAccessorTest<typename Service::Interface, typename Service::Accessor>
{
protected:
    using Interface = typename Service::Interface;
    using Accessor = typename Service::Accessor;
    using Properties = typename Service::Properties;

    static Properties* properties() { return Properties::instance(); }
    QString activeGroup() const { return gCoreEnv->configurationGroup()->database()->filePath(); }

    /// A file of `content` in a downloads folder apart from the configuration directory.
    QString download(const QString& name, const QByteArray& content) const
    {
        QDir().mkpath(this->tempPath(QStringLiteral("downloads")));
        const QString path = this->tempPath(QStringLiteral("downloads/") + name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        return path;
    }
    /// A sound configuration group in the downloads folder.
    QString downloadGroup(const QString& name) const
    {
        QDir().mkpath(this->tempPath(QStringLiteral("downloads")));
        const QString path = this->tempPath(QStringLiteral("downloads/") + name);
        ConfigurationGroup group(path);
        return path;
    }
};

using Services = ::testing::Types<AmiCloService, NewDigitalService>;
TYPED_TEST_SUITE(Telemetry, Services);

TYPED_TEST(Telemetry, EveryOperatorRequestReachesTheClient)
{
    using Interface = typename TestFixture::Interface;
    using Properties = typename TestFixture::Properties;
    const std::pair<void (Properties::*)(), void (Interface::*)()> requests[] = {
        { &Properties::updateApplication, &Interface::updateApplication },
        { &Properties::importConfigGroup, &Interface::importConfigGroup },
        { &Properties::importCompleteBackup, &Interface::importCompleteBackup },
        { &Properties::importUiUpdate, &Interface::importUiUpdate },
    };
    for (const auto& [asked, relayed] : requests) {
        QSignalSpy spy(this->accessor.get(), relayed);
        emit(this->properties()->*asked)();
        EXPECT_EQ(spy.count(), 1);
    }
    QSignalSpy pages(this->accessor.get(), &Interface::updateNetworkLog);
    emit this->properties()->updateNetworkLog(3);
    emit this->properties()->updateNetworkLog(-1);
    ASSERT_EQ(pages.count(), 1) << "a page before the first is none";
    EXPECT_EQ(pages.at(0).at(0).toUInt(), 3u);
    EXPECT_EQ(this->logEntriesContaining(QStringLiteral("No network log page")).size(), 1);
}

TYPED_TEST(Telemetry, UpdateReportsListTheUpdateAndFinishedReportsAreReEmitted)
{
    using Properties = typename TestFixture::Properties;
    auto& a = *this->accessor;
    Properties* p = this->properties();
    const std::pair<void (Properties::*)(bool, QString), std::function<void(bool, QString)>> finished[] = {
        { &Properties::applicationUpdateFinished,
            [&a](bool ok, QString m) { a.applicationUpdateFinished(ok, m); } },
        { &Properties::configGroupUncompressFinished,
            [&a](bool ok, QString m) { a.configGroupUncompressFinished(ok, m); } },
        { &Properties::completeBackupUncompressFinished,
            [&a](bool ok, QString m) { a.completeBackupUncompressFinished(ok, m); } },
        { &Properties::uiUpdateUncompressFinished,
            [&a](bool ok, QString m) { a.uiUpdateUncompressFinished(ok, m); } },
    };
    for (const auto& [signal, report] : finished) {
        QSignalSpy spy(p, signal);
        report(false, QStringLiteral("disk full"));
        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(spy.at(0), (QVariantList { false, QStringLiteral("disk full") }));
    }

    const std::pair<QString, std::function<void(bool)>> updates[] = {
        { p->applicationUpdateName(), [&a](bool on) { a.applicationUpdateAvailableChanged(on); } },
        { p->configGroupName(), [&a](bool on) { a.configGroupAvailableChanged(on); } },
        { p->completeBackupName(), [&a](bool on) { a.completeBackupAvailableChanged(on); } },
        { p->uiUpdateName(), [&a](bool on) { a.uiUpdateAvailableChanged(on); } },
    };
    for (const auto& [name, report] : updates) {
        report(true);
        report(true);
        EXPECT_EQ(p->softwareUpdateAvailableList().count(name), 1) << qPrintable(name);
        EXPECT_TRUE(p->softwareAvailable());
    }
    for (const auto& [name, report] : updates) {
        EXPECT_TRUE(p->softwareAvailable()) << qPrintable(name);
        report(false);
        EXPECT_FALSE(p->softwareUpdateAvailableList().contains(name));
    }
    EXPECT_FALSE(p->softwareAvailable());
}

TYPED_TEST(Telemetry, AGroupImportLeavesThePendingStateToItsResult)
{
    using Properties = typename TestFixture::Properties;
    QSignalSpy finished(this->properties(), &Properties::configGroupImportFinished);
    for (const bool ok : { true, false }) {
        this->accessor->configGroupImportFinished(ok);
        EXPECT_EQ(this->properties()->configGroupPending(), ok);
        EXPECT_EQ(finished.last().at(0), ok);
    }
}

TYPED_TEST(Telemetry, ABadGroupIsRefusedAtOnceAndAGoodOneImportedAfterTheAnnouncement)
{
    using Interface = typename TestFixture::Interface;
    using Properties = typename TestFixture::Properties;
    const QString before = this->activeGroup();
    QSignalSpy messages(gCoreEnv, &CoreEnvironment::messageShown);
    QSignalSpy notUpdated(this->accessor.get(), &Interface::configurationGroupNotUpdated);
    QSignalSpy finished(this->properties(), &Properties::configGroupImportFinished);

    this->accessor->importConfigurationGroup(this->download(QStringLiteral("bad.sqlite"), "not a database"));
    EXPECT_EQ(notUpdated.count(), 1);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.at(0).at(0).toString(), QStringLiteral("Not a configuration group: bad.sqlite"));
    EXPECT_EQ(this->activeGroup(), before);

    this->accessor->importConfigurationGroup(this->downloadGroup(QStringLiteral("other.sqlite")));
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.at(1).at(0).toString(), QStringLiteral("Import of configuration group started"));
    EXPECT_EQ(this->activeGroup(), before) << "not before the delay";
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.at(0).at(0), true);
    EXPECT_TRUE(this->properties()->configGroupPending());
    EXPECT_EQ(QFileInfo(this->activeGroup()), QFileInfo(this->tempPath(QStringLiteral("other.sqlite"))));
    EXPECT_EQ(notUpdated.count(), 1);

    this->accessor->importConfigurationGroup(this->downloadGroup(QStringLiteral("other.sqlite")));
    EXPECT_EQ(messages.last().at(0).toString(),
        QStringLiteral("This configuration group is already imported, will replace it."));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.last().at(0), true);
}

TYPED_TEST(Telemetry, AGroupImportDueAfterTheAccessorWentDoesNothing)
{
    using Properties = typename TestFixture::Properties;
    const QString before = this->activeGroup();
    QSignalSpy finished(this->properties(), &Properties::configGroupImportFinished);
    this->accessor->importConfigurationGroup(this->downloadGroup(QStringLiteral("late.sqlite")));
    this->accessor.reset();
    QTest::qWait(bridge::connectivity::DownloadImports::groupImportDelayMs + 300);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(this->activeGroup(), before);
}

TYPED_TEST(Telemetry, ABackupIsRestoredOnceAndABadOneRefusedWithTheSettingsKept)
{
    using Interface = typename TestFixture::Interface;
    QSignalSpy notUpdated(this->accessor.get(), &Interface::completeBackupNotUpdated);

    this->accessor->importBackup(this->download(QStringLiteral("bad.json"), R"({"settings": [1, 2]})"));
    EXPECT_EQ(notUpdated.count(), 1);
    const QList<LogEntry> refused
        = this->logEntriesContaining(QStringLiteral("Complete backup import not possible"));
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused[0].level, LogLevel::Debug);
    EXPECT_TRUE(refused[0].items.value(0).contains(QStringLiteral("::importBackup(const QString&)")));
    EXPECT_FALSE(this->store().contains(QStringLiteral("general/enableAmiClo")));

    const QString backup
        = this->download(QStringLiteral("backup.json"), R"({"settings": {"general/enableAmiClo": true}})");
    this->accessor->importBackup(backup);
    EXPECT_EQ(this->store().value(QStringLiteral("general/enableAmiClo")), true);
    EXPECT_TRUE(gCoreEnv->configuration()->generalSettings()->enableAmiClo()) << "configuration reloaded";
    EXPECT_EQ(notUpdated.count(), 1);

    // A later failing import is answered once, not once per import made.
    this->clearLog();
    this->refuseSetting(QStringLiteral("general/enableAmiClo"));
    this->accessor->importBackup(
        this->download(QStringLiteral("off.json"), R"({"settings": {"general/enableAmiClo": false}})"));
    EXPECT_EQ(notUpdated.count(), 2);
    EXPECT_EQ(this->logEntriesContaining(QStringLiteral("Complete backup import failed")).size(), 1);
    EXPECT_EQ(this->store().value(QStringLiteral("general/enableAmiClo")), true);
}

TYPED_TEST(Telemetry, TheConnectivityIdIsStoredWithTheGroupAndARefusalKeepsTheOldOne)
{
    const auto storedId = [] {
        QSqlQuery query(gCoreEnv->configurationGroup()->database()->database());
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT connectivity_id FROM ConfigurationGroup_Infos")));
        return query.next() ? query.value(0).toString() : QStringLiteral("no row");
    };
    this->properties()->setConfigGroupPending(true);
    this->accessor->saveConfigurationGroupConnectivityId(QStringLiteral("group-7"));
    EXPECT_FALSE(this->properties()->configGroupPending());
    EXPECT_EQ(storedId(), QStringLiteral("group-7"));
    EXPECT_EQ(gCoreEnv->configurationGroup()->connectivityId(), QStringLiteral("group-7"));
    EXPECT_EQ(ConfigurationGroup(this->databasePath()).connectivityId(), QStringLiteral("group-7"));

    this->refuseWrites(QStringLiteral("BEFORE UPDATE ON ConfigurationGroup_Infos"));
    this->accessor->saveConfigurationGroupConnectivityId(QStringLiteral("group-8"));
    EXPECT_EQ(
        this->logEntriesContaining(QStringLiteral(": Failed to save configuration group connectivity id"))
            .size(),
        1);
    EXPECT_EQ(storedId(), QStringLiteral("group-7"));
    EXPECT_EQ(gCoreEnv->configurationGroup()->connectivityId(), QStringLiteral("group-7"));
}

} // namespace
