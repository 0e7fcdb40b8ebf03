#include "bridge/staticsettings/paths.h"
#include "core/configuration/path.h"
#include "core/hardwareenvironment.h"
#include "support/guardtest.h"
#include "support/machineaccessortest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using LeaPaths = lea::staticsettings::Paths;

struct PathCase
{
    const char* operation;
    QString (LeaPaths::*call)() const;
    const char* underRoot;
    bool created;
};

void PrintTo(const PathCase& c, std::ostream* os)
{
    *os << c.operation;
}

const PathCase kPaths[] = {
    { "playlistImages", &LeaPaths::playlistImages, "playlist/images/", false },
    { "playlistVideos", &LeaPaths::playlistVideos, "playlist/videos/", false },
    { "downloadTemporaries", &LeaPaths::downloadTemporaries, "download/tmp/", false },
    { "credits", &LeaPaths::credits, "credits/", false },
    { "paxio", &LeaPaths::paxio, "paxio/", false },
    { "intis", &LeaPaths::intis, "intis/", false },
    { "logs", &LeaPaths::logs, "logs/", false },
    { "newDigitalPersistentDir", &LeaPaths::newDigitalPersistentDir, "persistent/newdigital/", false },
    { "newDigitalDir", &LeaPaths::newDigitalDir, "newdigital/", false },
    { "machineFactorySettingsFile", &LeaPaths::machineFactorySettingsFile, "factory/machine.ini", false },
    { "customizationsPath", &LeaPaths::customizationsPath, "customizations/", true },
    { "webUiCustomizationsPath", &LeaPaths::webUiCustomizationsPath, "webui/customizations/", true },
    { "downloadedPlaylistImages", &LeaPaths::downloadedPlaylistImages, "playlist/images/playlistMedia/",
        true },
    { "downloadedPlaylistVideos", &LeaPaths::downloadedPlaylistVideos, "playlist/videos/playlistMedia/",
        true },
    { "downloadedLogos", &LeaPaths::downloadedLogos, "playlist/images/assets/", true },
    { "downloadedIcons", &LeaPaths::downloadedIcons, "playlist/images/cloud-icons/", true },
    { "downloadedSystemUpdate", &LeaPaths::downloadedSystemUpdate, "download/firmware/", true },
    { "downloadedApplicationUpdate", &LeaPaths::downloadedApplicationUpdate, "download/applicative/", true },
    { "downloadedConfigurationGroup", &LeaPaths::downloadedConfigurationGroup, "download/configurationGroup/",
        true },
    { "configurationGroupUncompressed", &LeaPaths::configurationGroupUncompressed,
        "download/configurationGroup/uncompressed/", true },
    { "downloadedCompleteBackup", &LeaPaths::downloadedCompleteBackup, "download/completeBackup/", true },
    { "completeBackupUncompressed", &LeaPaths::completeBackupUncompressed,
        "download/completeBackup/uncompressed/", true },
    { "downloadedUiUpdate", &LeaPaths::downloadedUiUpdate, "download/uiUpdate/", true },
    { "applicationUpdateAtNextBoot", &LeaPaths::applicationUpdateAtNextBoot, "bin_update_at_next_boot/",
        true },
};

class PathsTest : public MachineAccessorTest<LeaPaths, bridge::staticsettings::Paths>
{
protected:
    QString root() const { return gCoreEnv->path()->root(); }
};

class EveryPath : public PathsTest, public ::testing::WithParamInterface<PathCase>
{
};

TEST_P(EveryPath, LiesUnderTheChosenRootAndIsMadeOnlyWhereTheDownloadsGo)
{
    const PathCase& c = GetParam();
    const QString expected = root() + QLatin1String(c.underRoot);
    EXPECT_EQ(((*accessor).*c.call)(), expected);
    EXPECT_EQ(QFileInfo(expected).isDir(), c.created);
    // A second call finds the directory made and gives the same text.
    EXPECT_EQ(((*accessor).*c.call)(), expected);
    EXPECT_TRUE(logEntries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Paths, EveryPath, ::testing::ValuesIn(kPaths),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.operation); });

struct UpdateCase
{
    const char* systemKeyVersion;
    HardwareEnvironment::MachineModel model;
    bool fromApplication;
};

class UpdateAtNextBoot : public PathsTest, public ::testing::WithParamInterface<UpdateCase>
{
};

TEST_P(UpdateAtNextBoot, GoesUnderTheApplicationOnlyForTheModelsAndSystemsThatBootFromIt)
{
    const UpdateCase& c = GetParam();
    gHardwareEnv->setSystemKeyVersion(VersionNumber(QLatin1String(c.systemKeyVersion)));
    gHardwareEnv->setMachineModel(c.model);
    const QString expected = root()
        + QLatin1String(
            c.fromApplication ? "application/res/bin_update_at_next_boot/" : "bin_update_at_next_boot/");
    EXPECT_EQ(accessor->applicationUpdateAtNextBoot(), expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
}

using M = HardwareEnvironment;
INSTANTIATE_TEST_SUITE_P(Versions, UpdateAtNextBoot,
    ::testing::Values(UpdateCase { "3.0.14.0", M::TableTopInstant, false },
        UpdateCase { "3.0.14.0", M::TableTopEspresso, false },
        UpdateCase { "3.0.14.0", M::FloorStandingInstant, true },
        UpdateCase { "3.0.14.0", M::FloorStandingEspresso, false },
        UpdateCase { "3.0.14.0", M::CompactInstant, false },
        UpdateCase { "3.0.14.0", M::CompactEspresso, true }, UpdateCase { "3.0.14.0", M::Quorra, false },
        UpdateCase { "1.1.8.2", M::FloorStandingInstant, true },
        UpdateCase { "1.1.8.2", M::CompactEspresso, false },
        UpdateCase { "1.1.8.1", M::FloorStandingInstant, false },
        UpdateCase { "3.0.13.9", M::CompactEspresso, false },
        UpdateCase { "3.1", M::CompactEspresso, true }));

TEST_F(PathsTest, ADirectoryThatCannotBeMadeIsStillReturned)
{
    QFile blocker(tempPath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    gCoreEnv->path()->setRoot(blocker.fileName());
    EXPECT_EQ(accessor->downloadedUiUpdate(), blocker.fileName() + QStringLiteral("/download/uiUpdate/"));
    EXPECT_TRUE(QFileInfo(blocker.fileName()).isFile());
}

TEST(PathRegistry, TheMachineRootIsOnlyTheDefault)
{
    Path path;
    EXPECT_EQ(path.path(Path::UpdateAtNextBoot), QStringLiteral("/home/root/bin_update_at_next_boot/"));
    path.setRoot(QStringLiteral("/elsewhere"));
    EXPECT_EQ(path.path(Path::UpdateAtNextBoot), QStringLiteral("/elsewhere/bin_update_at_next_boot/"));
}

} // namespace
