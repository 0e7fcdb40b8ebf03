#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of rolling-text capabilities.
class RollingTextsCapabilities : public QObject
{
    Q_OBJECT

public:
    ~RollingTextsCapabilities() override = default;

protected:
    explicit RollingTextsCapabilities(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
