#include "bridge/interface/screensaver.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/screensaversettings.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <limits>
#include <QSignalSpy>
#include <tuple>

namespace {

using LeaScreensaver = lea::interface::Screensaver;
using Settings = LeaScreensaver::Settings;
using lea::PlaylistDbId;

auto fields(const Settings& s)
{
    return std::make_tuple(s.enabled, s.playlist, s.time);
}

class ScreensaverTest : public SettingsAccessorTest<LeaScreensaver, bridge::interface::Screensaver>
{
protected:
    void SetUp() override
    {
        SettingsAccessorTest::SetUp();
        for (const char* name : { "Morning", "Evening" }) {
            VideoPlaylist playlist;
            playlist.setName(QLatin1String(name));
            ASSERT_TRUE(gCoreEnv->configuration()->savePlaylist(&playlist));
            ids.push_back(PlaylistDbId(unsigned(playlist.id())));
        }
        reload();
        clearLog();
    }

    /// The playlists that carry the screen-saver use, as loaded.
    std::vector<PlaylistDbId> screenSaverPlaylists() const
    {
        std::vector<PlaylistDbId> carrying;
        for (const VideoPlaylist* playlist : gCoreEnv->configuration()->playlists()) {
            if (playlist->typeFlags() & VideoPlaylist::ScreenSaverType)
                carrying.push_back(PlaylistDbId(unsigned(playlist->id())));
        }
        return carrying;
    }

    std::vector<PlaylistDbId> ids;
};

TEST_F(ScreensaverTest, SettingsPersistAndTheUseFollowsThePlaylist)
{
    EXPECT_EQ(fields(accessor->settings()), fields(Settings {}));
    struct Step
    {
        Settings settings;
        std::vector<std::size_t> carrying;
    };
    const std::vector<Step> steps = {
        { { true, ids[0], 300 }, { 0 } },
        { { false, ids[1], std::numeric_limits<int>::max() }, { 1 } },
        { { true, nonstd::nullopt, std::numeric_limits<int>::min() }, {} },
        { { true, ids[0], 0 }, { 0 } },
    };
    for (const Step& step : steps) {
        accessor->setSettings(step.settings);
        reload();
        EXPECT_EQ(fields(accessor->settings()), fields(step.settings));
        std::vector<PlaylistDbId> carrying;
        for (std::size_t index : step.carrying)
            carrying.push_back(ids[index]);
        EXPECT_EQ(screenSaverPlaylists(), carrying);
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(ScreensaverTest, EveryChangeIsAnnouncedOnceAndEqualSettingsNotAtAll)
{
    QSignalSpy changed(accessor.get(), &LeaScreensaver::changed);
    accessor->setSettings({ true, ids[0], 30 });
    EXPECT_EQ(changed.size(), 3);
    accessor->setSettings({ true, ids[0], 30 });
    EXPECT_EQ(changed.size(), 3);
    accessor->setSettings({ true, ids[0], 31 });
    EXPECT_EQ(changed.size(), 4);
}

TEST_F(ScreensaverTest, AnAccessorMadeBeforeTheConfigurationFollowsIt)
{
    unloadConfiguration();
    const auto early = createAccessor<LeaScreensaver, bridge::interface::Screensaver>();
    loadConfiguration();
    QSignalSpy changed(early.get(), &LeaScreensaver::changed);
    early->setSettings({ true, ids[1], 5 });
    EXPECT_EQ(changed.size(), 3);
    EXPECT_EQ(fields(accessor->settings()), fields(Settings { true, ids[1], 5 }));
}

struct Refusal
{
    enum Write { None, NewPlaylistRow, Setting };
    const char* name;
    int64_t time;
    /// The playlist asked for; absent for the fixture's second one.
    nonstd::optional<unsigned> playlist;
    Write refused;
    const char* log;
};

class ScreensaverRefusalTest : public ScreensaverTest, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(ScreensaverRefusalTest, ChangesNothing)
{
    const Refusal& refusal = GetParam();
    const Settings before { true, ids[0], 60 };
    accessor->setSettings(before);
    clearLog();
    if (refusal.refused == Refusal::NewPlaylistRow)
        refuseWrites(QStringLiteral("BEFORE UPDATE ON VideoPlaylists WHEN NEW.id = %1").arg(ids[1].value()));
    if (refusal.refused == Refusal::Setting)
        refuseSetting(QStringLiteral("screenSaver/time"));
    QSignalSpy changed(accessor.get(), &LeaScreensaver::changed);
    accessor->setSettings(
        { false, refusal.playlist ? PlaylistDbId(*refusal.playlist) : ids[1], refusal.time });
    EXPECT_EQ(changed.size(), 0);
    EXPECT_EQ(logEntriesContaining(QLatin1String(refusal.log)).size(), 1);
    for (const char* when : { "loaded", "reloaded" }) {
        EXPECT_EQ(fields(accessor->settings()), fields(before)) << when;
        EXPECT_EQ(screenSaverPlaylists(), std::vector<PlaylistDbId> { ids[0] }) << when;
        acceptWrites();
        reload();
    }
}

const Refusal kRefusals[] = {
    { "TimeAboveThirtyTwoBits", int64_t(std::numeric_limits<int>::max()) + 1, nonstd::nullopt, Refusal::None,
        "Screen saver time out of range" },
    { "TimeBelowThirtyTwoBits", int64_t(std::numeric_limits<int>::min()) - 1, nonstd::nullopt, Refusal::None,
        "Screen saver time out of range" },
    { "UnknownPlaylist", 1, 999u, Refusal::None, "No playlist with id" },
    { "PlaylistBeyondCoreIds", 1, std::numeric_limits<unsigned>::max(), Refusal::None,
        "No playlist with id" },
    { "RefusedPlaylistRow", 1, nonstd::nullopt, Refusal::NewPlaylistRow,
        "Failed to save the screen saver's playlists" },
    { "RefusedSettings", 1, nonstd::nullopt, Refusal::Setting, "Failed to save screen saver settings" },
};
INSTANTIATE_TEST_SUITE_P(Screensaver, ScreensaverRefusalTest, ::testing::ValuesIn(kRefusals),
    [](const auto& info) { return std::string(info.param.name); });

using Screensaver = bridge::interface::Screensaver;
const GuardCase<Screensaver> kGuarded[] = {
    { "settings", [](Screensaver& s) { return fields(s.settings()) == fields(Settings {}); } },
    { "setSettings",
        [](Screensaver& s) {
            s.setSettings({ true, nonstd::nullopt, 9 });
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(
                QStringLiteral("screenSaver/enable"));
        } },
};
GUARD_TEST(ScreensaverGuard, LeaScreensaver, Screensaver, kGuarded);

} // namespace
