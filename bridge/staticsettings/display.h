#pragma once

#include "lea/staticsettings/display.h"

namespace bridge {
namespace staticsettings {

/// The display settings of this machine, which always offers the customization screen.
class Display : public lea::staticsettings::Display
{
    Q_OBJECT

public:
    explicit Display(QObject* parent)
        : lea::staticsettings::Display(parent)
    {
    }

    bool customizationScreenEnabled() const override { return true; }
};

} // namespace staticsettings
} // namespace bridge
