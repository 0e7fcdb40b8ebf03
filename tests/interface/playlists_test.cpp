#include "bridge/interface/playlists.h"
#include "core/catalogue/playlistmedia.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/path.h"
#include "core/configuration/screensaversettings.h"
#include "core/database/abstractdatabase.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <functional>
#include <limits>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

namespace {

using LeaPlaylists = lea::interface::Playlists;
using Playlist = LeaPlaylists::Playlist;
using Media = LeaPlaylists::Media;
using Usage = LeaPlaylists::Usage;
using lea::PlaylistDbId;
using lea::PlaylistMediaDbId;

QString text(const nonstd::optional<QString>& value)
{
    return value ? QLatin1Char('=') + *value : QStringLiteral("-");
}

/// Every field, absent and empty texts told apart.
QString describe(const Playlist& p)
{
    QStringList usages;
    for (const Usage usage : p.usages)
        usages << QString::number(usage);
    QStringList medias;
    for (const PlaylistMediaDbId id : p.medias)
        medias << QString::number(id.value());
    return QStringList { p.name, QString::number(p.mode), usages.join(QLatin1Char(',')),
        p.type ? QString::number(*p.type) : QStringLiteral("-"), text(p.amiCloId),
        QString::number(p.isRandom), QString::number(p.managementOption), medias.join(QLatin1Char(',')),
        text(p.extraText) }
        .join(QLatin1Char('|'));
}

QString describe(const nonstd::optional<Media>& m)
{
    if (!m)
        return QStringLiteral("none");
    return QStringList { QString::number(m->type), m->name, m->file.absoluteFilePath(),
        m->duration ? QString::number(*m->duration) : QStringLiteral("-"), text(m->reserved),
        text(m->extraText) }
        .join(QLatin1Char('|'));
}

QString imagesDirectory()
{
    return gCoreEnv->path()->path(Path::PlaylistImages);
}

Media mediaAt(const QString& relativePath, int64_t seconds = 10, nonstd::optional<QString> extraText = {})
{
    Media media;
    media.type = LeaPlaylists::MediaType1;
    media.name = QStringLiteral("never written");
    media.file = QFileInfo(imagesDirectory() + relativePath);
    media.duration = seconds;
    media.reserved = QStringLiteral("ignored");
    media.extraText = std::move(extraText);
    return media;
}

Playlist named(const char* name)
{
    Playlist playlist;
    playlist.name = QLatin1String(name);
    return playlist;
}

/// Two playlists, the first with three media items a.png, b.png, c.png.
struct PlaylistsTest : SettingsAccessorTest<LeaPlaylists, bridge::interface::Playlists>
{
    // The refusal table's changes reach these.
    using SettingsAccessorTest::accessor;

    void SetUp() override
    {
        SettingsAccessorTest::SetUp();
        first = *accessor->createPlaylist(named("First"));
        second = *accessor->createPlaylist(named("Second"));
        for (const char* file : { "a.png", "b.png", "c.png" })
            items.push_back(*accessor->createMedia(mediaAt(QLatin1String(file)), first, 0));
        reload();
        clearLog();
    }

    std::vector<PlaylistMediaDbId> mediasOf(PlaylistDbId id) const
    {
        const nonstd::optional<Playlist> playlist = accessor->playlist(id);
        return playlist ? playlist->medias : std::vector<PlaylistMediaDbId> {};
    }

    /// What the accessor reads: every playlist, every media item, the assignments.
    QString snapshot() const
    {
        QStringList lines;
        for (const auto& [id, playlist] : accessor->allPlaylists()) {
            lines << QString::number(id.value()) + QLatin1Char(':') + describe(playlist);
            for (const PlaylistMediaDbId media : playlist.medias)
                lines << describe(accessor->media(media));
        }
        for (const Usage usage :
            { LeaPlaylists::DisabilityUI, LeaPlaylists::HomePage, LeaPlaylists::ScreenSaver }) {
            const auto id = accessor->playlistByUsage(usage);
            lines << (id ? QString::number(id->value()) : QStringLiteral("-"));
        }
        return lines.join(QLatin1Char('\n'));
    }

    PlaylistDbId first { 0 };
    PlaylistDbId second { 0 };
    std::vector<PlaylistMediaDbId> items;
};

struct RoundTrip
{
    const char* name;
    Playlist given;
};

class PlaylistRoundTripTest : public PlaylistsTest, public ::testing::WithParamInterface<RoundTrip>
{
};

// Uses are not written by a record, and an empty AmiClo identifier is none.
TEST_P(PlaylistRoundTripTest, ACreatedPlaylistReadsBackAfterReload)
{
    const Playlist& given = GetParam().given;
    const nonstd::optional<PlaylistDbId> id = accessor->createPlaylist(given);
    ASSERT_TRUE(id);
    reload();
    Playlist expected = given;
    expected.usages.clear();
    if (expected.amiCloId && expected.amiCloId->isEmpty())
        expected.amiCloId.reset();
    const nonstd::optional<Playlist> read = accessor->playlist(*id);
    ASSERT_TRUE(read);
    EXPECT_EQ(describe(*read), describe(expected));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

const RoundTrip kRoundTrips[] = {
    { "Plain", named("Morning") },
    { "Everything",
        { QStringLiteral("Abend ü"), LeaPlaylists::Mode1, { LeaPlaylists::HomePage },
            LeaPlaylists::ScreenSaver, QStringLiteral("ami-7"), true, LeaPlaylists::ManagementOption3, {},
            QStringLiteral("{\"k\":1}") } },
    { "EmptyTexts",
        { QString(), LeaPlaylists::Mode0, {}, LeaPlaylists::Usage0, QString(), false,
            LeaPlaylists::ManagementOption1, {}, QString() } },
};
INSTANTIATE_TEST_SUITE_P(Playlists, PlaylistRoundTripTest, ::testing::ValuesIn(kRoundTrips),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaylistsTest, UsagesAreTheInterfaceValuesOfTheStoredFlags)
{
    const std::pair<int, std::set<Usage>> cases[] = {
        { 0, {} },
        { VideoPlaylist::ProductType, {} },
        { 64 | 2 | 1, { LeaPlaylists::HomePage, LeaPlaylists::ScreenSaver } },
        { 255,
            { LeaPlaylists::Usage0, LeaPlaylists::Usage1, LeaPlaylists::Usage2, LeaPlaylists::DisabilityUI,
                LeaPlaylists::Usage4, LeaPlaylists::HomePage, LeaPlaylists::ScreenSaver } },
    };
    for (const auto& [flags, usages] : cases) {
        execute(QStringLiteral("UPDATE VideoPlaylists SET typeFlags = %1 WHERE id = %2")
                    .arg(flags)
                    .arg(first.value()));
        reload();
        EXPECT_EQ(accessor->playlist(first)->usages, usages) << flags;
    }
}

TEST_F(PlaylistsTest, PlaylistsAreFoundByTheirExactAmiCloId)
{
    Playlist tagged = named("Tagged");
    tagged.amiCloId = QStringLiteral("Ami-1");
    const PlaylistDbId id = *accessor->createPlaylist(tagged);
    reload();
    EXPECT_EQ(accessor->playlistForAmiCloId(lea::AmiCloId(QStringLiteral("Ami-1"))), id);
    EXPECT_FALSE(accessor->playlistForAmiCloId(lea::AmiCloId(QStringLiteral("ami-1"))));
    EXPECT_EQ(accessor->playlistForAmiCloId(lea::AmiCloId(QString())), first);
}

TEST_F(PlaylistsTest, AnUpdateKeepsOrClearsTheAmiCloIdAndListsKnownMediaOnly)
{
    Playlist changed = named("Changed");
    changed.amiCloId = QStringLiteral("ami");
    changed.medias = { items[2], PlaylistMediaDbId(999), items[0] };
    for (const bool keep : { true, false }) {
        accessor->updatePlaylist(first, changed, keep);
        reload();
        Playlist expected = changed;
        expected.medias = { items[2], items[0] };
        if (!keep)
            expected.amiCloId.reset();
        EXPECT_EQ(describe(*accessor->playlist(first)), describe(expected)) << keep;
    }
    // An item listed by another playlist is listed by both.
    Playlist other = named("Second");
    other.medias = { items[0] };
    accessor->updatePlaylist(second, other, true);
    reload();
    EXPECT_EQ(mediasOf(second), std::vector<PlaylistMediaDbId> { items[0] });
    EXPECT_EQ(mediasOf(first), (std::vector<PlaylistMediaDbId> { items[2], items[0] }));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(PlaylistsTest, MediaItemsReadBackInTheOrderTheyWereAdded)
{
    EXPECT_EQ(mediasOf(first), items);
    EXPECT_EQ(describe(accessor->media(items[1])),
        describe(Media { LeaPlaylists::MediaType1, QString(),
            QFileInfo(imagesDirectory() + QStringLiteral("b.png")), 10, nonstd::nullopt, nonstd::nullopt }));
    const PlaylistMediaDbId added
        = *accessor->createMedia(mediaAt(QStringLiteral("d.mp4"), 0, QStringLiteral("note")), second, 200);
    reload();
    EXPECT_EQ(mediasOf(second), std::vector<PlaylistMediaDbId> { added });
    EXPECT_EQ(accessor->media(added)->extraText, QStringLiteral("note"));
}

// The position an update stores must not move the item among its neighbours.
TEST_F(PlaylistsTest, AnUpdatedMediaItemKeepsItsPlace)
{
    Playlist reordered = named("First");
    reordered.medias = { items[2], items[0], items[1] };
    accessor->updatePlaylist(first, reordered, true);
    for (std::size_t index = 0; index < reordered.medias.size(); ++index) {
        const PlaylistMediaDbId id = reordered.medias[index];
        const Media changed = mediaAt(QStringLiteral("new%1.png").arg(index), 30 + int64_t(index));
        accessor->updateMedia(id, changed, first);
        reload();
        EXPECT_EQ(mediasOf(first), reordered.medias) << index;
        Media expected = changed;
        expected.name.clear();
        expected.reserved.reset();
        EXPECT_EQ(describe(accessor->media(id)), describe(expected));
    }
}

TEST_F(PlaylistsTest, DeletionsAreStored)
{
    accessor->deleteMedia(items[1]);
    accessor->deletePlaylist(second);
    reload();
    EXPECT_EQ(mediasOf(first), (std::vector<PlaylistMediaDbId> { items[0], items[2] }));
    EXPECT_FALSE(accessor->media(items[1]));
    EXPECT_FALSE(accessor->playlist(second));
    EXPECT_EQ(accessor->allPlaylists().size(), 1u);
}

TEST_F(PlaylistsTest, UnknownIdsChangeNothingAndLogNothing)
{
    const QString before = snapshot();
    const PlaylistDbId unknown(999);
    const PlaylistMediaDbId unknownMedia(std::numeric_limits<unsigned>::max());
    accessor->updatePlaylist(unknown, named("x"), true);
    accessor->deletePlaylist(unknown);
    accessor->deletePlaylist(PlaylistDbId(std::numeric_limits<unsigned>::max()));
    accessor->deleteMedia(unknownMedia);
    accessor->updateMedia(unknownMedia, mediaAt(QStringLiteral("x.png")), first);
    EXPECT_FALSE(accessor->media(unknownMedia));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
    reload();
    EXPECT_EQ(snapshot(), before);
}

struct StoredPath
{
    const char* name;
    const char* file; ///< relative to the playlist images directory
    const char* source; ///< as the machine keeps it
};

class MediaPathTest : public PlaylistsTest, public ::testing::WithParamInterface<StoredPath>
{
};

TEST_P(MediaPathTest, TheFileIsStoredRelativeToThePlaylistImages)
{
    const PlaylistMediaDbId id = *accessor->createMedia(mediaAt(QLatin1String(GetParam().file)), second, 0);
    reload();
    const QList<PlaylistMedia*> stored
        = gCoreEnv->configuration()->playlistForId(int(second.value()))->playlistMediasList();
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0]->source(), QLatin1String(GetParam().source));
    EXPECT_EQ(accessor->media(id)->file.absoluteFilePath(),
        QDir::cleanPath(imagesDirectory() + QLatin1String(GetParam().source)));
}

const StoredPath kPaths[] = {
    { "InTheDirectory", "a.png", "/a.png" },
    { "Below", "sub/b.png", "/sub/b.png" },
    { "UpAndBack", "../images/c.png", "/c.png" },
    { "VideosBesideImages", "../videos/v.mp4", "/v.mp4" },
};
INSTANTIATE_TEST_SUITE_P(Playlists, MediaPathTest, ::testing::ValuesIn(kPaths),
    [](const auto& info) { return std::string(info.param.name); });

struct Assignment
{
    const char* name;
    void (LeaPlaylists::*assign)(PlaylistDbId);
    Usage usage;
};

class PlaylistAssignmentTest : public PlaylistsTest, public ::testing::WithParamInterface<Assignment>
{
};

TEST_P(PlaylistAssignmentTest, TheUseMovesToTheAssignedPlaylist)
{
    const Assignment& assignment = GetParam();
    for (const PlaylistDbId id : { first, second }) {
        (accessor.get()->*assignment.assign)(id);
        reload();
        for (int usage = LeaPlaylists::Usage0; usage <= LeaPlaylists::ScreenSaver; ++usage) {
            const auto expected = usage == assignment.usage ? nonstd::make_optional(id) : nonstd::nullopt;
            EXPECT_EQ(accessor->playlistByUsage(Usage(usage)), expected) << usage;
        }
        const PlaylistDbId other = id == first ? second : first;
        EXPECT_EQ(accessor->playlist(id)->usages, std::set<Usage> { assignment.usage });
        EXPECT_TRUE(accessor->playlist(other)->usages.empty());
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

const Assignment kAssignments[] = {
    { "HomePage", &LeaPlaylists::setHomePagePlaylist, LeaPlaylists::HomePage },
    { "AccessibleInterface", &LeaPlaylists::setDisabilityUIPlaylist, LeaPlaylists::DisabilityUI },
};
INSTANTIATE_TEST_SUITE_P(Playlists, PlaylistAssignmentTest, ::testing::ValuesIn(kAssignments),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaylistsTest, TheScreenSaverPlaylistIsFoundByItsUsage)
{
    ScreenSaverSettings& screenSaver = *gCoreEnv->configuration()->screenSaverSettings();
    screenSaver.setIdVideoPlaylist(int(second.value()));
    ASSERT_TRUE(gCoreEnv->configuration()->saveGeneralSettings());
    EXPECT_EQ(accessor->playlistByUsage(LeaPlaylists::ScreenSaver), second);
}

/// A change that fails: refused by the database (`refused`, a trigger's
/// "BEFORE ..." or a setting's key) or by the accessor.
struct Refusal
{
    const char* name;
    const char* refused;
    std::function<bool(PlaylistsTest&)> change; ///< true when its result is the empty one
    const char* log;
};

class PlaylistRefusalTest : public PlaylistsTest, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(PlaylistRefusalTest, IsLoggedAndChangesNothing)
{
    const Refusal& refusal = GetParam();
    const QString before = snapshot();
    const QString refused = QLatin1String(refusal.refused);
    if (refused.startsWith(QLatin1String("BEFORE")))
        refuseWrites(refused);
    else if (!refused.isEmpty())
        refuseSetting(refused);
    QSignalSpy changed(accessor.get(), &LeaPlaylists::playlistsChanged);
    EXPECT_TRUE(refusal.change(*this));
    EXPECT_EQ(logEntriesContaining(QLatin1String(refusal.log)).size(), 1);
    EXPECT_EQ(changed.size(), 0);
    for (const char* when : { "loaded", "reloaded" }) {
        EXPECT_EQ(snapshot(), before) << when;
        acceptWrites();
        reload();
    }
}

const Refusal kRefusals[] = {
    { "CreatePlaylist", "BEFORE INSERT ON VideoPlaylists",
        [](PlaylistsTest& t) { return !t.accessor->createPlaylist(named("New")); },
        "Failed to save the new playlist" },
    { "UpdatePlaylist", "BEFORE UPDATE ON VideoPlaylists",
        [](PlaylistsTest& t) {
            Playlist changed = named("Changed");
            changed.medias = { t.items[1] };
            t.accessor->updatePlaylist(t.first, changed, true);
            return true;
        },
        "Failed to save the playlist" },
    { "DeletePlaylist", "BEFORE DELETE ON VideoPlaylists",
        [](PlaylistsTest& t) {
            t.accessor->deletePlaylist(t.first);
            return true;
        },
        "Failed to delete the playlist" },
    { "CreateMediaRow", "BEFORE INSERT ON Playlist_Media_Items",
        [](PlaylistsTest& t) {
            return !t.accessor->createMedia(mediaAt(QStringLiteral("n.png")), t.first, 0);
        },
        "Failed to save the new media item" },
    { "CreateMediaList", "BEFORE INSERT ON VideoPlaylist_Medias",
        [](PlaylistsTest& t) {
            return !t.accessor->createMedia(mediaAt(QStringLiteral("n.png")), t.second, 0);
        },
        "Failed to save the new media item" },
    { "CreateMediaInUnknownPlaylist", "",
        [](PlaylistsTest& t) {
            return !t.accessor->createMedia(mediaAt(QStringLiteral("n.png")), PlaylistDbId(99), 0);
        },
        "No playlist with id 99" },
    { "CreateMediaBeyondThirtyTwoBits", "",
        [](PlaylistsTest& t) {
            return !t.accessor->createMedia(
                mediaAt(QStringLiteral("n.png"), int64_t(std::numeric_limits<int>::max()) + 1), t.first, 0);
        },
        "Media duration out of range" },
    { "UpdateMedia", "BEFORE UPDATE ON Playlist_Media_Items",
        [](PlaylistsTest& t) {
            t.accessor->updateMedia(t.items[0], mediaAt(QStringLiteral("n.png"), 99), t.first);
            return true;
        },
        "Failed to save the media item" },
    { "UpdateMediaOfUnknownPlaylist", "",
        [](PlaylistsTest& t) {
            t.accessor->updateMedia(t.items[0], mediaAt(QStringLiteral("n.png"), 99), PlaylistDbId(99));
            return true;
        },
        "No playlist with id 99" },
    { "UpdateMediaBelowThirtyTwoBits", "",
        [](PlaylistsTest& t) {
            t.accessor->updateMedia(t.items[0],
                mediaAt(QStringLiteral("n.png"), int64_t(std::numeric_limits<int>::min()) - 1), t.first);
            return true;
        },
        "Media duration out of range" },
    { "DeleteMedia", "BEFORE DELETE ON VideoPlaylist_Medias",
        [](PlaylistsTest& t) {
            t.accessor->deleteMedia(t.items[2]);
            return true;
        },
        "Failed to save the playlist" },
    { "HomePageSetting", "general/homePagePlaylistId",
        [](PlaylistsTest& t) {
            t.accessor->setHomePagePlaylist(t.second);
            return true;
        },
        "Failed to save home page settings" },
    { "AccessibleInterfacePlaylistRow", "BEFORE UPDATE ON VideoPlaylists",
        [](PlaylistsTest& t) {
            t.accessor->setDisabilityUIPlaylist(t.second);
            return true;
        },
        "Failed to save the accessible interface's playlists" },
    { "UnknownHomePage", "",
        [](PlaylistsTest& t) {
            t.accessor->setHomePagePlaylist(PlaylistDbId(99));
            return true;
        },
        "No playlist with id 99" },
};
INSTANTIATE_TEST_SUITE_P(Playlists, PlaylistRefusalTest, ::testing::ValuesIn(kRefusals),
    [](const auto& info) { return std::string(info.param.name); });

// The order is 8 bits: the 256th item takes the last one, a 257th has none.
TEST_F(PlaylistsTest, APlaylistTakes256MediaItems)
{
    execute(QStringLiteral("INSERT INTO Playlist_Media_Items (id, type, source, name, time_in_sec) "
                           "WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i + 1 FROM n WHERE i < 354) "
                           "SELECT i, 0, '/x.png', '', 1 FROM n"));
    execute(QStringLiteral("INSERT INTO VideoPlaylist_Medias (playlist_id, position, media_id) "
                           "SELECT %1, id - 100, id FROM Playlist_Media_Items WHERE id >= 100")
                .arg(second.value()));
    reload();
    ASSERT_EQ(mediasOf(second).size(), 255u);
    const nonstd::optional<PlaylistMediaDbId> last
        = accessor->createMedia(mediaAt(QStringLiteral("z.png")), second, 0);
    ASSERT_TRUE(last);
    EXPECT_FALSE(accessor->createMedia(mediaAt(QStringLiteral("y.png")), second, 0));
    EXPECT_EQ(
        logEntriesContaining(QStringLiteral("The playlist holds the most media items it can")).size(), 1);
    reload();
    EXPECT_EQ(mediasOf(second).size(), 256u);
    EXPECT_EQ(mediasOf(second).back(), *last);
}

TEST_F(PlaylistsTest, ValuesWithoutAnInterfaceCounterpartAreRefused)
{
    const QString before = snapshot();
    Playlist badMode = named("x");
    badMode.mode = LeaPlaylists::Mode(7);
    Playlist badType = named("x");
    badType.type = Usage(9);
    Media badMedia = mediaAt(QStringLiteral("x.png"));
    badMedia.type = LeaPlaylists::MediaType(3);
    EXPECT_THROW(accessor->createPlaylist(badMode), std::invalid_argument);
    EXPECT_THROW(accessor->updatePlaylist(first, badType, true), std::invalid_argument);
    EXPECT_THROW(accessor->createMedia(badMedia, first, 0), std::invalid_argument);
    EXPECT_THROW(accessor->updateMedia(items[0], badMedia, first), std::invalid_argument);
    EXPECT_EQ(snapshot(), before);
    for (const char* column : { "mode", "management_option" }) {
        execute(QStringLiteral("UPDATE VideoPlaylists SET %1 = 9").arg(QLatin1String(column)));
        reload();
        EXPECT_THROW(accessor->allPlaylists(), std::invalid_argument) << column;
        execute(QStringLiteral("UPDATE VideoPlaylists SET %1 = 0").arg(QLatin1String(column)));
    }
}

TEST_F(PlaylistsTest, AnAccessorMadeBeforeTheConfigurationFollowsIt)
{
    unloadConfiguration();
    const auto early = createAccessor<LeaPlaylists, bridge::interface::Playlists>();
    loadConfiguration();
    QSignalSpy changed(early.get(), &LeaPlaylists::playlistsChanged);
    const nonstd::optional<PlaylistDbId> id = early->createPlaylist(named("Late"));
    ASSERT_TRUE(id);
    EXPECT_EQ(changed.size(), 1);
    early->deleteMedia(items[0]);
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(accessor->playlist(*id)->name, QStringLiteral("Late"));
}

// The stand-in: a database made before the playlists' columns gets them.
TEST(PlaylistStorage, AnOlderDatabaseGainsThePlaylistColumns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.sqlite"));
    {
        AbstractDatabase old(path);
        QSqlQuery query(old.database());
        ASSERT_TRUE(query.exec(
            QStringLiteral("CREATE TABLE VideoPlaylists (id INTEGER PRIMARY KEY, name TEXT NOT NULL)")));
        ASSERT_TRUE(query.exec(QStringLiteral("INSERT INTO VideoPlaylists (id, name) VALUES (4, 'Kept')")));
    }
    ConfigurationGroup group(path);
    const QSqlRecord columns = group.database()->database().record(QStringLiteral("VideoPlaylists"));
    for (const char* column :
        { "typeFlags", "mode", "type", "amiclo_id", "random", "management_option", "extra_text" })
        EXPECT_TRUE(columns.contains(QLatin1String(column))) << column;
    QSqlQuery query(group.database()->database());
    ASSERT_TRUE(
        query.exec(QStringLiteral("SELECT name, amiclo_id, extra_text FROM VideoPlaylists")) && query.next());
    EXPECT_EQ(query.value(0).toString(), QStringLiteral("Kept"));
    EXPECT_EQ(query.value(1).toString(), QString(QLatin1String("")));
    EXPECT_TRUE(query.value(2).isNull());
}

using Playlists = bridge::interface::Playlists;
const GuardCase<Playlists> kGuarded[] = {
    { "playlist", [](Playlists& p) { return !p.playlist(PlaylistDbId(0)); } },
    { "playlistForAmiCloId", [](Playlists& p) { return !p.playlistForAmiCloId(lea::AmiCloId(QString())); } },
    { "allPlaylists", [](Playlists& p) { return p.allPlaylists().empty(); } },
    { "playlistByUsage", [](Playlists& p) { return !p.playlistByUsage(LeaPlaylists::HomePage); } },
    { "createPlaylist", [](Playlists& p) { return !p.createPlaylist(named("x")); }, Guard::ReleaseAsserted },
    { "updatePlaylist",
        [](Playlists& p) {
            p.updatePlaylist(PlaylistDbId(0), named("x"), true);
            return true;
        } },
    { "deletePlaylist",
        [](Playlists& p) {
            p.deletePlaylist(PlaylistDbId(0));
            return true;
        } },
    { "media", [](Playlists& p) { return !p.media(PlaylistMediaDbId(0)); } },
    { "createMedia",
        [](Playlists& p) { return !p.createMedia(mediaAt(QStringLiteral("x.png")), PlaylistDbId(0), 0); },
        Guard::ReleaseAsserted },
    { "updateMedia",
        [](Playlists& p) {
            p.updateMedia(PlaylistMediaDbId(0), mediaAt(QStringLiteral("x.png")), PlaylistDbId(0));
            return true;
        } },
    { "deleteMedia",
        [](Playlists& p) {
            p.deleteMedia(PlaylistMediaDbId(0));
            return true;
        } },
    { "setHomePagePlaylist",
        [](Playlists& p) {
            p.setHomePagePlaylist(PlaylistDbId(0));
            return true;
        } },
    { "setDisabilityUIPlaylist",
        [](Playlists& p) {
            p.setDisabilityUIPlaylist(PlaylistDbId(0));
            return true;
        } },
};
GUARD_TEST(PlaylistsGuard, LeaPlaylists, Playlists, kGuarded);

} // namespace
