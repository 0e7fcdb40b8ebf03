#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of rolling-text capabilities: which rolling-text and web-view settings this machine offers.
class RollingTextsCapabilities : public QObject
{
    Q_OBJECT

public:
    ~RollingTextsCapabilities() override = default;

    virtual bool rssFeedEnableDuringDispensingSetting() const = 0;
    virtual bool webViewsSettings() const = 0;
    virtual bool webViewsUrlTabNamesSetting() const = 0;

protected:
    explicit RollingTextsCapabilities(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
