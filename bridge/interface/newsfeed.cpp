#include "bridge/interface/newsfeed.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationmanager.h"
#include "core/configuration/feed.h"
#include "core/configuration/feedsettings.h"
#include "core/configuration/hostrelativeurl.h"
#include "core/configuration/translationsmanager.h"
#include "core/configuration/webviews.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/gui/newsfeeds.h"
#include "core/hardwareenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"

namespace bridge {
namespace interface {

namespace {

using Settings = lea::interface::NewsFeed::Settings;
using WebViewsSettings = lea::interface::NewsFeed::WebViewsSettings;
using webview::HostRelativeUrl;

const QString kHttp = QStringLiteral("http://");
const QString kHttps = QStringLiteral("https://");

/// This model has no dispensing screen to show the band or web views in.
bool lacksErogationModule()
{
    return gHardwareEnv->machineModel() == HardwareEnvironment::CompactEspresso;
}

TranslationsManager* translationsManager()
{
    const ConfigurationGroup* group = gCoreEnv->configurationGroup();
    return group ? group->translationsManager() : nullptr;
}

nonstd::optional<QLocale::Language> currentLanguage()
{
    return gGuiEnv->guiManager()->currentLanguage();
}

FeedSettings* feedSettingsOf(const Configuration* configuration)
{
    return configuration->feedSettings();
}

Settings readSettings(const Configuration& configuration)
{
    const FeedSettings& feeds = *configuration.feedSettings();
    Settings settings;
    settings.useRss = feeds.useRss();
    if (const NewsFeeds* editor = gGuiEnv->newsFeeds()) {
        const QStringList urls = editor->urls();
        for (int i = 0; i < urls.size(); ++i)
            settings.urls.push_back({ urls[i], editor->isRssUrlEditable(i) });
    }
    for (const Feed* feed : feeds.fixedFeeds())
        settings.fixedTexts.push_back(feed->title());
    if (!lacksErogationModule())
        settings.erogationModuleVisible = feeds.rssFeedsErogationModuleVisible();
    settings.currentUrlIndex = feeds.feedIndex();
    return settings;
}

nonstd::optional<WebViewsSettings> readWebViews(const Configuration& configuration)
{
    if (lacksErogationModule() || gCoreEnv->machine()->isQuorra())
        return nonstd::nullopt;
    const webview::WebViews& views = *configuration.webViews();
    WebViewsSettings settings;
    settings.enabled = views.enabled();
    settings.screenSaverEnabled = views.screenSaverEnabled();
    settings.erogationModuleVisible = views.webViewsErogationModuleVisible();
    settings.screenSaverUrl = views.urlScreenSaver();
    for (const HostRelativeUrl* url : views.urls())
        settings.urls.push_back(url->path().isEmpty()
                ? QString()
                : HostRelativeUrl::protocolToString(url->protocol()) + url->path());
    std::vector<QString> names;
    if (const TranslationsManager* translations = translationsManager()) {
        const QLocale::Language language = currentLanguage().value_or(QLocale::AnyLanguage);
        for (const TypedString* name : translations->typedStringsFromType(TypedString::WebViewName))
            names.push_back(name->getTranslation(language));
    }
    settings.names = std::move(names);
    return settings;
}

void writeSettings(NewsFeeds& editor, const Settings& settings, const char* signature)
{
    utils::Rollback rollback(editor);
    editor.setIsFixedFeed(!settings.useRss);
    if (!lacksErogationModule() && settings.erogationModuleVisible)
        editor.setRssFeedsErogationModuleVisible(*settings.erogationModuleVisible);
    const int count = editor.urls().size();
    if (settings.currentUrlIndex >= 0 && settings.currentUrlIndex < count
        && settings.urls.size() == std::size_t(count)) {
        // The vendor's feeds are not the operator's to change.
        editor.setUrl(count - 1, settings.urls.back().url);
        editor.setCurrentUrlIndex(settings.currentUrlIndex);
    }
    editor.clearFixedString();
    for (const QString& text : settings.fixedTexts) {
        if (text.isEmpty())
            continue;
        Feed* feed = new Feed;
        feed->setTitle(text);
        editor.addFixedFeed(feed);
    }
    if (utils::FailureLog(signature, Log::Global)
            .stored(editor.save(), "Failed to save the news feed settings"))
        rollback.commit();
}

/// Only a leading scheme is the protocol: the rest of the address is kept as it is.
void setUrl(HostRelativeUrl& entry, const QString& url)
{
    if (url.startsWith(kHttp)) {
        entry.setProtocol(HostRelativeUrl::Http);
        entry.setPath(url.mid(kHttp.size()));
    } else if (url.startsWith(kHttps)) {
        entry.setProtocol(HostRelativeUrl::Https);
        entry.setPath(url.mid(kHttps.size()));
    } else {
        entry.setProtocol(HostRelativeUrl::Https);
        entry.setPath(url);
    }
}

/// Whether `names` can replace the stored web-view names; checked before
/// anything is written, and logged when not.
bool namesAcceptable(
    const std::vector<QString>& names, const QList<TypedString*>& stored, const char* signature)
{
    if (names.size() != std::size_t(stored.size())) {
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << signature << "Number of web view names are not equal to lea ones (lea-core):" << names.size()
            << "-" << stored.size();
        return false;
    }
    if (!currentLanguage()) {
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << signature << "No interface language to name the web views in";
        return false;
    }
    for (const QString& name : names) {
        if (!utils::isStorableText(name)) {
            LogFormatter(LogLevel::Warning).log(Log::Global)
                << signature << "Web view name cannot be stored unchanged:" << name;
            return false;
        }
    }
    return true;
}

/// Memory keeps what the database holds when the names are refused.
bool storeNames(TranslationsManager& translations, const QList<TypedString*>& stored,
    const std::vector<QString>& names, const utils::FailureLog& log)
{
    const QLocale::Language language = *currentLanguage();
    for (int i = 0; i < stored.size(); ++i) {
        // A null text would be bound as NULL, which the table refuses.
        const QString& name = names[std::size_t(i)];
        stored[i]->addTranslation(language, name.isNull() ? QString(QLatin1String("")) : name);
    }
    if (log.stored(translations.save(), "Failed to save the web view names"))
        return true;
    translations.reload();
    return false;
}

void writeWebViews(
    const Configuration& configuration, const WebViewsSettings& settings, const char* signature)
{
    webview::WebViews& views = *configuration.webViews();
    const QList<HostRelativeUrl*> entries = views.urls();
    if (settings.urls.size() > std::size_t(entries.size())) {
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << signature
            << "Number of lea urls are too many compared to core urls (lea-core) :" << settings.urls.size()
            << "-" << entries.size();
        return;
    }
    TranslationsManager* translations = settings.names ? translationsManager() : nullptr;
    const QList<TypedString*> stored
        = translations ? translations->typedStringsFromType(TypedString::WebViewName) : QList<TypedString*>();
    if (translations && !namesAcceptable(*settings.names, stored, signature))
        return;
    const utils::FailureLog log(signature, Log::Global);
    {
        utils::Rollback rollback(views);
        for (HostRelativeUrl* entry : entries) {
            rollback.add(*entry);
            entry->setProtocol(HostRelativeUrl::Https);
            entry->setPath(QString());
        }
        for (std::size_t i = 0; i < settings.urls.size(); ++i)
            setUrl(*entries[int(i)], settings.urls[i]);
        views.setEnabled(settings.enabled);
        views.setWebViewsErogationModuleVisible(settings.erogationModuleVisible);
        views.setScreenSaverEnabled(settings.screenSaverEnabled);
        views.setUrlScreenSaver(settings.screenSaverUrl);
        if (!log.stored(views.save(), "Failed to save the web views"))
            return;
        if (!translations || storeNames(*translations, stored, *settings.names, log)) {
            rollback.commit();
            return;
        }
    }
    // The names were refused: the web views go back as well.
    log.stored(views.save(), "Failed to restore the web views");
}

} // namespace

NewsFeed::NewsFeed(QObject* parent)
    : lea::interface::NewsFeed(parent)
{
    utils::connectToConfigurationPart(
        feedSettingsOf, &FeedSettings::useRssChanged, this, &NewsFeed::settingsChanged);
    utils::connectToConfigurationPart(
        feedSettingsOf, &FeedSettings::feedIndexChanged, this, &NewsFeed::settingsChanged);
    utils::connectToConfigurationPart(
        feedSettingsOf, &FeedSettings::fixedFeedChanged, this, &NewsFeed::settingsChanged);
    connect(gCoreEnv->configurationManager(), &ConfigurationManager::textsFeedsSettingsChanged, this,
        &NewsFeed::allSettingsChanged);
}

NewsFeed::~NewsFeed() = default;

lea::interface::NewsFeed::Settings NewsFeed::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration ? readSettings(*configuration) : Settings();
}

nonstd::optional<lea::interface::NewsFeed::WebViewsSettings> NewsFeed::webViewsSettings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration ? readWebViews(*configuration) : nonstd::nullopt;
}

lea::interface::NewsFeed::RollingTextsSettings NewsFeed::rollingTextsSettings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    return { readSettings(*configuration), readWebViews(*configuration) };
}

void NewsFeed::setSettings(const Settings& settings)
{
    NewsFeeds* editor = gGuiEnv->newsFeeds();
    if (editor && utils::loadedConfiguration(Q_FUNC_INFO))
        writeSettings(*editor, settings, Q_FUNC_INFO);
}

void NewsFeed::setWebViewsSettings(const WebViewsSettings& settings)
{
    if (const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO))
        writeWebViews(*configuration, settings, Q_FUNC_INFO);
}

void NewsFeed::setRollingTextsSettings(const RollingTextsSettings& settings)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    // The web views first: the band's save announces itself, and a slot may replace the configuration.
    if (settings.webViews)
        writeWebViews(*configuration, *settings.webViews, Q_FUNC_INFO);
    if (NewsFeeds* editor = gGuiEnv->newsFeeds())
        writeSettings(*editor, settings.settings, Q_FUNC_INFO);
}

} // namespace interface
} // namespace bridge
