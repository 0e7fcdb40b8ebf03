#pragma once

#include "core/configuration/feedsettings.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class Feed;

/// The screen layer's editor of the news band: a working copy of the loaded
/// configuration's FeedSettings, stored by save(). A newly loaded
/// configuration starts a new copy.
class NewsFeeds : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isFixedFeed READ isFixedFeed WRITE setIsFixedFeed)
    Q_PROPERTY(bool rssFeedsErogationModuleVisible READ rssFeedsErogationModuleVisible WRITE
            setRssFeedsErogationModuleVisible)
    Q_PROPERTY(QStringList urls READ urls WRITE setUrls)
    Q_PROPERTY(int currentUrlIndex READ currentUrlIndex WRITE setCurrentUrlIndex)
    Q_PROPERTY(QStringList fixedTitles READ fixedTitles WRITE setFixedTitles)

public:
    explicit NewsFeeds(QObject* parent = nullptr);
    ~NewsFeeds() override;

    bool isFixedFeed() const { return !edits().useRss; }
    void setIsFixedFeed(bool fixed) { edits().useRss = !fixed; }
    bool rssFeedsErogationModuleVisible() const { return edits().rssFeedsErogationModuleVisible; }
    void setRssFeedsErogationModuleVisible(bool visible) { edits().rssFeedsErogationModuleVisible = visible; }

    /// The vendor's feeds first, the operator's own last.
    QStringList urls() const { return edits().rssUrls; }
    void setUrls(const QStringList& urls) { edits().rssUrls = urls; }
    /// Only the operator's feed, the last one, may be changed.
    bool isRssUrlEditable(int index) const { return index >= 0 && index == urls().size() - 1; }
    /// Ignored for an index beyond the list.
    void setUrl(int index, const QString& url);
    int currentUrlIndex() const { return edits().feedIndex; }
    void setCurrentUrlIndex(int index) { edits().feedIndex = index; }

    QStringList fixedTitles() const { return edits().fixedTitles; }
    void setFixedTitles(const QStringList& titles) { edits().fixedTitles = titles; }
    void clearFixedString() { edits().fixedTitles.clear(); }
    /// Takes `feed` and appends its title to the fixed texts.
    void addFixedFeed(Feed* feed);

    /// Stores the working copy in the loaded configuration; false, with
    /// nothing stored, when none is loaded or the store refuses.
    bool save();

private:
    /// The working copy, started again when another configuration is loaded.
    FeedSettings::Values& edits() const;

    mutable QPointer<FeedSettings> m_source;
    mutable FeedSettings::Values m_edits;
};
