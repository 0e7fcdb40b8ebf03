#pragma once

#include "lea/staticsettings/rollingtextscapabilities.h"

namespace bridge {
namespace staticsettings {

/// The rolling-text and web-view settings this machine offers: none on model 5,
/// and no web views on the Quorra platform.
class RollingTextsCapabilities : public lea::staticsettings::RollingTextsCapabilities
{
    Q_OBJECT

public:
    explicit RollingTextsCapabilities(QObject* parent);
    ~RollingTextsCapabilities() override;

    bool rssFeedEnableDuringDispensingSetting() const override;
    bool webViewsSettings() const override;
    bool webViewsUrlTabNamesSetting() const override;
};

} // namespace staticsettings
} // namespace bridge
