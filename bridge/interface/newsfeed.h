#pragma once

#include "lea/interface/newsfeed.h"

namespace bridge {
namespace interface {

/// The news band (RSS feeds or fixed texts) and the web views of the loaded
/// configuration, edited through the screen layer's news-feed editor. Relays
/// the changes of whichever configuration is loaded.
class NewsFeed : public lea::interface::NewsFeed
{
    Q_OBJECT

public:
    explicit NewsFeed(QObject* parent);
    ~NewsFeed() override;

    /// Without the screen layer's editor the URLs read as empty.
    Settings settings() const override;
    /// Absent on machines without a dispensing-screen module and on Quorra machines.
    nonstd::optional<WebViewsSettings> webViewsSettings() const override;
    RollingTextsSettings rollingTextsSettings() const override;
    /// Nothing happens without the screen layer's editor. The URL and the
    /// index are written only when the URLs match the editor's in number and
    /// the index names one of them; of the URLs only the last, the operator's
    /// own, is written. Empty texts are dropped. A refused save is logged and
    /// changes nothing.
    void setSettings(const Settings& settings) override;
    /// Refused as a whole, and logged, when there are more URLs than web views,
    /// or names that do not match the stored names in number or cannot be stored.
    /// A URL's leading "http://" or "https://" becomes the entry's protocol.
    void setWebViewsSettings(const WebViewsSettings& settings) override;
    void setRollingTextsSettings(const RollingTextsSettings& settings) override;
};

} // namespace interface
} // namespace bridge
