#include "core/gui/newsfeeds.h"

#include "core/configuration/configuration.h"
#include "core/configuration/feed.h"
#include "core/coreenvironment.h"

#include <memory>

namespace {

FeedSettings* loadedFeedSettings()
{
    const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr;
    return configuration ? configuration->feedSettings() : nullptr;
}

} // namespace

NewsFeeds::NewsFeeds(QObject* parent)
    : QObject(parent)
{
}

NewsFeeds::~NewsFeeds() = default;

void NewsFeeds::setUrl(int index, const QString& url)
{
    FeedSettings::Values& values = edits();
    if (index >= 0 && index < values.rssUrls.size())
        values.rssUrls[index] = url;
}

void NewsFeeds::addFixedFeed(Feed* feed)
{
    const std::unique_ptr<Feed> taken(feed);
    if (taken)
        edits().fixedTitles.append(taken->title());
}

bool NewsFeeds::save()
{
    FeedSettings* settings = loadedFeedSettings();
    if (!settings)
        return false;
    const FeedSettings::Values values = edits();
    return settings->save(values);
}

FeedSettings::Values& NewsFeeds::edits() const
{
    FeedSettings* current = loadedFeedSettings();
    if (current != m_source) {
        m_source = current;
        m_edits = current ? current->values() : FeedSettings::Values();
    }
    return m_edits;
}
