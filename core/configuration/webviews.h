#pragma once

#include <QList>
#include <QObject>
#include <QString>

class SettingsStore;

namespace webview {

class HostRelativeUrl;

/// The web pages a configuration shows, kept under "webViews/..." keys: a
/// fixed number of entries, whether they are shown at all, as the screen
/// saver and in the dispensing screen. Setters change the values held here;
/// save() stores them.
class WebViews : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(bool screenSaverEnabled READ screenSaverEnabled WRITE setScreenSaverEnabled)
    Q_PROPERTY(bool webViewsErogationModuleVisible READ webViewsErogationModuleVisible WRITE
            setWebViewsErogationModuleVisible)
    Q_PROPERTY(QString urlScreenSaver READ urlScreenSaver WRITE setUrlScreenSaver)

public:
    /// Entries of a machine without stored ones.
    static constexpr int DefaultEntryCount = 3;

    /// Reads the values of `store`, which must outlive this object.
    explicit WebViews(SettingsStore& store, QObject* parent = nullptr);
    ~WebViews() override;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool screenSaverEnabled() const { return m_screenSaverEnabled; }
    void setScreenSaverEnabled(bool enabled) { m_screenSaverEnabled = enabled; }
    bool webViewsErogationModuleVisible() const { return m_erogationModuleVisible; }
    void setWebViewsErogationModuleVisible(bool visible) { m_erogationModuleVisible = visible; }
    QString urlScreenSaver() const { return m_urlScreenSaver; }
    void setUrlScreenSaver(const QString& url) { m_urlScreenSaver = url; }
    /// The entries in the machine's order, owned by this object.
    QList<HostRelativeUrl*> urls() const { return m_urls; }

    /// Stores every value and entry; false, with nothing stored, when refused.
    bool save();

private:
    SettingsStore& m_store;
    bool m_enabled = false;
    bool m_screenSaverEnabled = false;
    bool m_erogationModuleVisible = false;
    QString m_urlScreenSaver;
    QList<HostRelativeUrl*> m_urls;
};

} // namespace webview
