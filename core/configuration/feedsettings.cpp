#include "core/configuration/feedsettings.h"

#include "core/configuration/feed.h"
#include "core/settings/settingsstore.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>

namespace {
const QString kUseRss = QStringLiteral("newsFeed/useRss");
const QString kErogationModuleVisible = QStringLiteral("newsFeed/rssFeedsErogationModuleVisible");
const QString kRssUrls = QStringLiteral("newsFeed/rssUrls");
const QString kFeedIndex = QStringLiteral("newsFeed/feedIndex");
const QString kFixedTitles = QStringLiteral("newsFeed/fixedTitles");

QStringList texts(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list.append(item.toString());
    return list;
}
} // namespace

FeedSettings::FeedSettings(SettingsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
    m_values.useRss = store.value(kUseRss, false).toBool();
    m_values.rssFeedsErogationModuleVisible = store.value(kErogationModuleVisible, false).toBool();
    m_values.rssUrls = store.contains(kRssUrls)
        ? texts(store.value(kRssUrls))
        : QStringList { QStringLiteral("https://news.example.com/rss"), QString() };
    m_values.feedIndex = store.value(kFeedIndex, 0).toInt();
    m_values.fixedTitles = texts(store.value(kFixedTitles));
    rebuildFixedFeeds();
}

FeedSettings::~FeedSettings() = default;

bool FeedSettings::save(const Values& values)
{
    if (!m_store.setValues(QJsonObject { { kUseRss, values.useRss },
            { kErogationModuleVisible, values.rssFeedsErogationModuleVisible },
            { kRssUrls, QJsonArray::fromStringList(values.rssUrls) }, { kFeedIndex, values.feedIndex },
            { kFixedTitles, QJsonArray::fromStringList(values.fixedTitles) } }))
        return false;
    const Values before = m_values;
    m_values = values;
    if (before.fixedTitles != values.fixedTitles)
        rebuildFixedFeeds();
    // A slot may replace the configuration, and this object with it.
    QPointer<FeedSettings> self(this);
    if (before.useRss != values.useRss)
        emit useRssChanged();
    if (self && before.feedIndex != values.feedIndex)
        emit feedIndexChanged();
    if (self && before.fixedTitles != values.fixedTitles)
        emit fixedFeedChanged();
    return true;
}

void FeedSettings::rebuildFixedFeeds()
{
    qDeleteAll(m_fixedFeeds);
    m_fixedFeeds.clear();
    for (const QString& title : m_values.fixedTitles) {
        Feed* feed = new Feed(this);
        feed->setTitle(title);
        m_fixedFeeds.append(feed);
    }
}
