#include "core/configuration/webviews.h"

#include "core/configuration/hostrelativeurl.h"
#include "core/settings/settingsstore.h"

#include <QJsonArray>
#include <QJsonObject>

namespace webview {

namespace {
const QString kEnabled = QStringLiteral("webViews/enabled");
const QString kScreenSaverEnabled = QStringLiteral("webViews/screenSaverEnabled");
const QString kErogationModuleVisible = QStringLiteral("webViews/erogationModuleVisible");
const QString kUrlScreenSaver = QStringLiteral("webViews/urlScreenSaver");
const QString kUrls = QStringLiteral("webViews/urls");
const QString kProtocol = QStringLiteral("protocol");
const QString kPath = QStringLiteral("path");
} // namespace

WebViews::WebViews(SettingsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_enabled(store.value(kEnabled, false).toBool())
    , m_screenSaverEnabled(store.value(kScreenSaverEnabled, false).toBool())
    , m_erogationModuleVisible(store.value(kErogationModuleVisible, false).toBool())
    , m_urlScreenSaver(store.value(kUrlScreenSaver).toString())
{
    if (!store.contains(kUrls)) {
        for (int i = 0; i < DefaultEntryCount; ++i)
            m_urls.append(new HostRelativeUrl(this));
        return;
    }
    for (const QJsonValue& value : store.value(kUrls).toArray()) {
        const QJsonObject entry = value.toObject();
        HostRelativeUrl* url = new HostRelativeUrl(this);
        // Fixed underlying type: a value the enumeration does not name is kept as stored.
        url->setProtocol(static_cast<HostRelativeUrl::ProtocolEnum>(entry.value(kProtocol).toInt()));
        url->setPath(entry.value(kPath).toString());
        m_urls.append(url);
    }
}

WebViews::~WebViews() = default;

bool WebViews::save()
{
    QJsonArray urls;
    for (const HostRelativeUrl* url : m_urls)
        urls.append(QJsonObject { { kProtocol, int(url->protocol()) }, { kPath, url->path() } });
    return m_store.setValues(QJsonObject { { kEnabled, m_enabled },
        { kScreenSaverEnabled, m_screenSaverEnabled }, { kErogationModuleVisible, m_erogationModuleVisible },
        { kUrlScreenSaver, m_urlScreenSaver }, { kUrls, urls } });
}

} // namespace webview
