#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of display settings.
class Display : public QObject
{
    Q_OBJECT

public:
    ~Display() override = default;

    /// The customization screen is shown; off unless the machine offers it.
    virtual bool customizationScreenEnabled() const { return false; }

protected:
    explicit Display(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
