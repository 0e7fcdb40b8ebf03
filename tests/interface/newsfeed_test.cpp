#include "bridge/interface/newsfeed.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationmanager.h"
#include "core/configuration/hostrelativeurl.h"
#include "core/configuration/translationsmanager.h"
#include "core/configuration/webviews.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/gui/newsfeeds.h"
#include "core/hardwareenvironment.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <functional>
#include <QSignalSpy>
#include <tuple>

namespace {

using LeaNewsFeed = lea::interface::NewsFeed;
using NewsFeed = bridge::interface::NewsFeed;
using Settings = LeaNewsFeed::Settings;
using WebViewsSettings = LeaNewsFeed::WebViewsSettings;
using webview::HostRelativeUrl;

const QString kVendorFeed = QStringLiteral("https://news.example.com/rss");

auto fields(const Settings& s)
{
    std::vector<std::pair<QString, bool>> urls;
    for (const Settings::UrlInfo& url : s.urls)
        urls.emplace_back(url.url, url.editable);
    return std::make_tuple(s.useRss, urls, s.fixedTexts, s.erogationModuleVisible, s.currentUrlIndex);
}

auto fields(const WebViewsSettings& w)
{
    return std::make_tuple(
        w.enabled, w.urls, w.names, w.screenSaverEnabled, w.erogationModuleVisible, w.screenSaverUrl);
}

auto fields(const LeaNewsFeed::RollingTextsSettings& r)
{
    return std::make_pair(
        fields(r.settings), r.webViews ? nonstd::make_optional(fields(*r.webViews)) : nonstd::nullopt);
}

/// The band as the operator's screen would send it; the URLs with the last editable.
Settings band(const QStringList& urls, int index, std::vector<QString> texts = { "", "Hello", "" })
{
    Settings settings;
    settings.useRss = true;
    for (int i = 0; i < urls.size(); ++i)
        settings.urls.push_back({ urls[i], i == urls.size() - 1 });
    settings.fixedTexts = std::move(texts);
    settings.erogationModuleVisible = true;
    settings.currentUrlIndex = index;
    return settings;
}

WebViewsSettings webViews(
    std::vector<QString> urls, std::vector<QString> names = { "Weather", "Menu", "Shop" })
{
    WebViewsSettings settings;
    settings.enabled = true;
    settings.urls = std::move(urls);
    settings.names = std::move(names);
    settings.screenSaverEnabled = true;
    settings.erogationModuleVisible = true;
    settings.screenSaverUrl = QStringLiteral("https://saver.example.com");
    return settings;
}

class NewsFeedTest : public SettingsAccessorTest<LeaNewsFeed, NewsFeed>
{
protected:
    void SetUp() override
    {
        SettingsAccessorTest::SetUp();
        machine().guiManager().setCurrentLanguage(QLocale::English);
        for (const char* name : { "Weather", "Menu", "Shop" }) {
            translations().addTranslation(
                QLatin1String(name), TypedString::WebViewName, QLocale::English, QLatin1String(name));
            translations().addTranslation(QLatin1String(name), TypedString::WebViewName, QLocale::German,
                QLatin1String(name) + QLatin1String("-de"));
        }
        ASSERT_TRUE(translations().save());
    }

    static TranslationsManager& translations()
    {
        return *gCoreEnv->configurationGroup()->translationsManager();
    }
    static QList<HostRelativeUrl*> entries() { return gCoreEnv->configuration()->webViews()->urls(); }

    /// Reads everything stored again: settings, configuration and names.
    void reload()
    {
        SettingsAccessorTest::reload();
        translations().reload();
    }
};

struct BandCase
{
    const char* name;
    QStringList editorUrls;
    Settings written;
    QStringList urlsAfter;
    int indexAfter;
};

/// Names the table's row in failure messages.
void PrintTo(const BandCase& entry, std::ostream* os)
{
    *os << entry.name;
}

class NewsFeedBandTest : public NewsFeedTest, public ::testing::WithParamInterface<BandCase>
{
};

TEST_P(NewsFeedBandTest, WritesTheUrlAndIndexOnlyWhenTheyMatchTheEditor)
{
    const BandCase& entry = GetParam();
    gGuiEnv->newsFeeds()->setUrls(entry.editorUrls);
    ASSERT_TRUE(gGuiEnv->newsFeeds()->save());
    accessor->setSettings(entry.written);
    const Settings expected = band(entry.urlsAfter, entry.indexAfter, { "Hello" });
    EXPECT_EQ(fields(accessor->settings()), fields(expected));
    reload();
    EXPECT_EQ(fields(accessor->settings()), fields(expected));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

const QStringList kEditorUrls { kVendorFeed, QString() };
const BandCase kBandCases[] = {
    { "MatchingUrlsWriteTheLastOneAndTheIndex", kEditorUrls, band({ "https://ignored", "https://mine" }, 1),
        { kVendorFeed, "https://mine" }, 1 },
    { "OneUrlFewer", kEditorUrls, band({ "https://mine" }, 1), kEditorUrls, 0 },
    { "OneUrlMore", kEditorUrls, band({ "a", "b", "https://mine" }, 1), kEditorUrls, 0 },
    { "IndexEqualToTheCount", kEditorUrls, band({ "a", "https://mine" }, 2), kEditorUrls, 0 },
    { "NegativeIndex", kEditorUrls, band({ "a", "https://mine" }, -1), kEditorUrls, 0 },
    { "BothListsEmpty", {}, band({}, 0), {}, 0 },
};
INSTANTIATE_TEST_SUITE_P(NewsFeed, NewsFeedBandTest, ::testing::ValuesIn(kBandCases), caseName<BandCase>);

struct ModelCase
{
    const char* name;
    HardwareEnvironment::MachineModel model;
    bool quorra;
    bool dispensingScreen;
    bool webViews;
};

/// Names the table's row in failure messages.
void PrintTo(const ModelCase& entry, std::ostream* os)
{
    *os << entry.name;
}

class NewsFeedModelTest : public NewsFeedTest, public ::testing::WithParamInterface<ModelCase>
{
};

TEST_P(NewsFeedModelTest, DispensingScreenAndWebViewsExistOnlyWhereTheMachineHasThem)
{
    const ModelCase& entry = GetParam();
    gHardwareEnv->setMachineModel(entry.model);
    gCoreEnv->machine()->setQuorra(entry.quorra);
    EXPECT_EQ(accessor->settings().erogationModuleVisible.has_value(), entry.dispensingScreen);
    EXPECT_EQ(accessor->webViewsSettings().has_value(), entry.webViews);
    EXPECT_EQ(accessor->rollingTextsSettings().webViews.has_value(), entry.webViews);
    accessor->setSettings(band(kEditorUrls, 0));
    gHardwareEnv->setMachineModel(HardwareEnvironment::TableTopInstant);
    EXPECT_EQ(accessor->settings().erogationModuleVisible, nonstd::make_optional(entry.dispensingScreen));
}

const ModelCase kModels[] = {
    { "TableTop", HardwareEnvironment::TableTopInstant, false, true, true },
    { "Model5", HardwareEnvironment::CompactEspresso, false, false, false },
    { "QuorraInterface", HardwareEnvironment::TableTopInstant, true, true, false },
    { "QuorraModel", HardwareEnvironment::Quorra, false, true, true },
};
INSTANTIATE_TEST_SUITE_P(NewsFeed, NewsFeedModelTest, ::testing::ValuesIn(kModels), caseName<ModelCase>);

struct UrlCase
{
    const char* name;
    QString url;
    HostRelativeUrl::ProtocolEnum protocol;
    QString path;
    QString readBack;
};

/// Names the table's row in failure messages.
void PrintTo(const UrlCase& entry, std::ostream* os)
{
    *os << entry.name;
}

class NewsFeedUrlTest : public NewsFeedTest, public ::testing::WithParamInterface<UrlCase>
{
};

TEST_P(NewsFeedUrlTest, OnlyALeadingSchemeBecomesTheProtocolAndLaterEntriesAreEmptied)
{
    const UrlCase& entry = GetParam();
    accessor->setWebViewsSettings(webViews({ "https://a", "http://b", "c" }));
    accessor->setWebViewsSettings(webViews({ entry.url }));
    reload();
    ASSERT_EQ(entries().size(), 3);
    EXPECT_EQ(entries()[0]->protocol(), entry.protocol);
    EXPECT_EQ(entries()[0]->path(), entry.path);
    for (const HostRelativeUrl* later : entries().mid(1))
        EXPECT_EQ(std::make_pair(later->protocol(), later->path()),
            std::make_pair(HostRelativeUrl::Https, QString()));
    EXPECT_EQ(accessor->webViewsSettings()->urls, (std::vector<QString> { entry.readBack, "", "" }));
}

const UrlCase kUrls[] = {
    { "Http", "http://example.com/a", HostRelativeUrl::Http, "example.com/a", "http://example.com/a" },
    { "Https", "https://example.com/a", HostRelativeUrl::Https, "example.com/a", "https://example.com/a" },
    { "NoScheme", "example.com", HostRelativeUrl::Https, "example.com", "https://example.com" },
    { "UpperCaseIsNoScheme", "HTTP://x", HostRelativeUrl::Https, "HTTP://x", "https://HTTP://x" },
    { "HttpInsideStays", "http://a/?next=http://b", HostRelativeUrl::Http, "a/?next=http://b",
        "http://a/?next=http://b" },
    { "HttpsInsideStays", "https://a/?next=https://b", HostRelativeUrl::Https, "a/?next=https://b",
        "https://a/?next=https://b" },
    { "HttpsAfterHttpStays", "http://https://a", HostRelativeUrl::Http, "https://a", "http://https://a" },
    { "Empty", "", HostRelativeUrl::Https, "", "" },
};
INSTANTIATE_TEST_SUITE_P(NewsFeed, NewsFeedUrlTest, ::testing::ValuesIn(kUrls), caseName<UrlCase>);

TEST_F(NewsFeedTest, WebViewsReadBackWithTheirNamesInTheCurrentLanguage)
{
    accessor->setWebViewsSettings(webViews({ "http://x" }, { "Wetter", "Karte", "" }));
    reload();
    EXPECT_EQ(fields(*accessor->webViewsSettings()),
        fields(webViews({ "http://x", "", "" }, { "Wetter", "Karte", "" })));
    machine().guiManager().setCurrentLanguage(QLocale::German);
    EXPECT_EQ(accessor->rollingTextsSettings().webViews->names,
        nonstd::make_optional(std::vector<QString> { "Weather-de", "Menu-de", "Shop-de" }));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(NewsFeedTest, WithoutTheEditorTheBandIsLeftAloneAndReadsWithoutUrls)
{
    accessor->setSettings(band(kEditorUrls, 1, { "Kept" }));
    gGuiEnv->setNewsFeedsFitted(false);
    clearLog();
    accessor->setRollingTextsSettings({ band(kEditorUrls, 0, { "Lost" }), nonstd::nullopt });
    accessor->setSettings(band(kEditorUrls, 0, { "Lost" }));
    reload();
    Settings expected = band({}, 1, { "Kept" });
    EXPECT_EQ(fields(accessor->settings()), fields(expected));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(NewsFeedTest, ChangesAreAnnouncedOncePerChangeWhicheverConfigurationIsLoaded)
{
    unloadConfiguration();
    const auto early = createAccessor<LeaNewsFeed, NewsFeed>();
    loadConfiguration();
    loadConfiguration();
    QSignalSpy changed(early.get(), &LeaNewsFeed::settingsChanged);
    QSignalSpy all(early.get(), &LeaNewsFeed::allSettingsChanged);
    struct Step
    {
        Settings settings;
        int announced;
    };
    const Step steps[] = {
        { band(kEditorUrls, 0, { "A" }), 2 }, // the RSS switch and the texts
        { band(kEditorUrls, 0, { "A" }), 0 },
        { band(kEditorUrls, 1, { "A" }), 1 },
        { band(kEditorUrls, 0, { "B" }), 2 },
    };
    for (const Step& step : steps) {
        changed.clear();
        early->setSettings(step.settings);
        EXPECT_EQ(changed.size(), step.announced);
    }
    EXPECT_EQ(all.size(), 0);
    emit gCoreEnv->configurationManager()->textsFeedsSettingsChanged();
    EXPECT_EQ(all.size(), 1);
}

struct Refusal
{
    const char* name;
    std::function<void(NewsFeedTest&)> arrange;
    std::function<void(NewsFeed&)> write;
    /// The entry's items after the signature.
    QStringList log;
};

/// Names the table's row in failure messages.
void PrintTo(const Refusal& entry, std::ostream* os)
{
    *os << entry.name;
}

class NewsFeedRefusalTest : public NewsFeedTest, public ::testing::WithParamInterface<Refusal>
{
public:
    void refuseSettingOf(const char* key) const { refuseSetting(QLatin1String(key)); }
    void refuseNames() const { refuseWrites(QStringLiteral("BEFORE INSERT ON TypedString_Translations")); }
};

TEST_P(NewsFeedRefusalTest, ChangesNothing)
{
    const Refusal& refusal = GetParam();
    accessor->setRollingTextsSettings({ band(kEditorUrls, 1, { "Kept" }), webViews({ "https://kept" }) });
    const auto before = fields(accessor->rollingTextsSettings());
    if (refusal.arrange)
        refusal.arrange(*this);
    clearLog();
    QSignalSpy changed(accessor.get(), &LeaNewsFeed::settingsChanged);
    refusal.write(*accessor);
    machine().guiManager().setCurrentLanguage(QLocale::English);
    EXPECT_EQ(changed.size(), 0);
    const QList<LogEntry> entries = logEntriesContaining(refusal.log.value(0));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].items.mid(1, refusal.log.size()), refusal.log);
    for (const char* when : { "loaded", "reloaded" }) {
        EXPECT_EQ(fields(accessor->rollingTextsSettings()), before) << when;
        acceptWrites();
        reload();
    }
}

const Refusal kRefusals[] = {
    { "TooManyUrls", nullptr,
        [](NewsFeed& n) {
            n.setWebViewsSettings(webViews({ "a", "b", "c", "d" }));
        },
        { "Number of lea urls are too many compared to core urls (lea-core) :", "4", "-", "3" } },
    { "NamesCountMismatch", nullptr,
        [](NewsFeed& n) {
            n.setWebViewsSettings(webViews({ "a" }, { "x", "y" }));
        },
        { "Number of web view names are not equal to lea ones (lea-core):", "2", "-", "3" } },
    { "NameNotStorable", nullptr,
        [](NewsFeed& n) {
            n.setWebViewsSettings(webViews({ "a" }, { "x", QString(QChar(0xD800)), "z" }));
        },
        { "Web view name cannot be stored unchanged:" } },
    { "NoInterfaceLanguage",
        [](NewsFeedTest&) { gGuiEnv->guiManager()->setCurrentLanguage(nonstd::nullopt); },
        [](NewsFeed& n) { n.setWebViewsSettings(webViews({ "a" })); },
        { "No interface language to name the web views in" } },
    { "RefusedWebViews",
        [](NewsFeedTest& t) { static_cast<NewsFeedRefusalTest&>(t).refuseSettingOf("webViews/urls"); },
        [](NewsFeed& n) { n.setWebViewsSettings(webViews({ "a" })); }, { "Failed to save the web views" } },
    { "RefusedNames", [](NewsFeedTest& t) { static_cast<NewsFeedRefusalTest&>(t).refuseNames(); },
        [](NewsFeed& n) {
            n.setWebViewsSettings(webViews({ "a" }, { "x", "y", "z" }));
        },
        { "Failed to save the web view names" } },
    { "RefusedBand",
        [](NewsFeedTest& t) { static_cast<NewsFeedRefusalTest&>(t).refuseSettingOf("newsFeed/useRss"); },
        [](NewsFeed& n) {
            Settings other = band({ "a", "https://other" }, 0, { "Other" });
            other.useRss = false;
            n.setSettings(other);
        },
        { "Failed to save the news feed settings" } },
};
INSTANTIATE_TEST_SUITE_P(NewsFeed, NewsFeedRefusalTest, ::testing::ValuesIn(kRefusals), caseName<Refusal>);

bool storeHolds(const char* key)
{
    return gCoreEnv->configurationGroup()->settingsStore()->contains(QLatin1String(key));
}

const GuardCase<NewsFeed> kGuarded[] = {
    { "settings", [](NewsFeed& n) { return fields(n.settings()) == fields(Settings {}); } },
    { "webViewsSettings", [](NewsFeed& n) { return !n.webViewsSettings(); } },
    { "rollingTextsSettings",
        [](NewsFeed& n) {
            const auto read = n.rollingTextsSettings();
            return fields(read.settings) == fields(Settings {}) && !read.webViews;
        } },
    { "setSettings",
        [](NewsFeed& n) {
            n.setSettings(band(kEditorUrls, 1));
            return !storeHolds("newsFeed/useRss");
        } },
    { "setWebViewsSettings",
        [](NewsFeed& n) {
            n.setWebViewsSettings(webViews({ "a" }));
            return !storeHolds("webViews/enabled");
        } },
    { "setRollingTextsSettings",
        [](NewsFeed& n) {
            n.setRollingTextsSettings({ band(kEditorUrls, 1), webViews({ "a" }) });
            return !storeHolds("newsFeed/useRss") && !storeHolds("webViews/enabled");
        } },
};
GUARD_TEST(NewsFeedGuard, LeaNewsFeed, NewsFeed, kGuarded);

} // namespace
