#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace interface {

/// Accessor of the news band and web views.
class NewsFeed : public QObject
{
    Q_OBJECT

public:
    /// The band of rolling texts: RSS feeds or the operator's fixed texts.
    struct Settings
    {
        /// One RSS feed address.
        struct UrlInfo
        {
            QString url;
            /// The operator may change it.
            bool editable = false;
        };

        bool useRss = false;
        std::vector<UrlInfo> urls;
        /// In display order.
        std::vector<QString> fixedTexts;
        /// The band is also shown while dispensing; absent where the machine has no such screen.
        nonstd::optional<bool> erogationModuleVisible;
        /// The selected entry of `urls`.
        int32_t currentUrlIndex = 0;
    };

    /// The pages shown on the machine, optionally as screen saver and while dispensing.
    struct WebViewsSettings
    {
        bool enabled = false;
        /// One per web view, in the machine's order.
        std::vector<QString> urls;
        /// The web views' names in the current interface language.
        nonstd::optional<std::vector<QString>> names;
        bool screenSaverEnabled = false;
        bool erogationModuleVisible = false;
        QString screenSaverUrl;
    };

    /// The band and the web views together.
    struct RollingTextsSettings
    {
        Settings settings;
        nonstd::optional<WebViewsSettings> webViews;
    };

    ~NewsFeed() override = default;

    virtual Settings settings() const = 0;
    /// Absent on machines without web views.
    virtual nonstd::optional<WebViewsSettings> webViewsSettings() const = 0;
    virtual RollingTextsSettings rollingTextsSettings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;
    virtual void setWebViewsSettings(const WebViewsSettings& settings) = 0;
    /// The web views are left as they are when absent.
    virtual void setRollingTextsSettings(const RollingTextsSettings& settings) = 0;

signals:
    void settingsChanged();
    void allSettingsChanged();

protected:
    explicit NewsFeed(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
