#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class Feed;
class SettingsStore;

/// The news band of a configuration: RSS feeds or the operator's fixed texts,
/// kept under "newsFeed/..." keys. Changed only by save(), which the screen
/// layer's NewsFeeds calls with its edits.
class FeedSettings : public QObject
{
    Q_OBJECT

public:
    /// Everything save() stores at once.
    struct Values
    {
        bool useRss = false;
        /// The band is also shown in the dispensing screen.
        bool rssFeedsErogationModuleVisible = false;
        QStringList rssUrls;
        /// The selected entry of rssUrls.
        int feedIndex = 0;
        QStringList fixedTitles;
    };

    /// Reads the values of `store`, which must outlive this object; a machine
    /// without stored ones has the vendor's feed and an empty one of the operator.
    explicit FeedSettings(SettingsStore& store, QObject* parent = nullptr);
    ~FeedSettings() override;

    bool useRss() const { return m_values.useRss; }
    bool rssFeedsErogationModuleVisible() const { return m_values.rssFeedsErogationModuleVisible; }
    QStringList rssUrls() const { return m_values.rssUrls; }
    int feedIndex() const { return m_values.feedIndex; }
    /// Owned by this object, in display order.
    QList<Feed*> fixedFeeds() const { return m_fixedFeeds; }
    Values values() const { return m_values; }

    /// Stores all of `values` or nothing; on success the signals of what
    /// changed follow. False, with nothing changed, when the store refuses.
    bool save(const Values& values);

signals:
    void useRssChanged();
    void feedIndexChanged();
    void fixedFeedChanged();

private:
    void rebuildFixedFeeds();

    SettingsStore& m_store;
    Values m_values;
    QList<Feed*> m_fixedFeeds;
};
