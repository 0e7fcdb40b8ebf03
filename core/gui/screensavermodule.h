#pragma once

#include "core/gui/guimodule.h"

/// The screen layer's screen saver, which the customer leaves by touching the screen.
class ScreenSaverModule : public GuiModule
{
    Q_OBJECT

public:
    using GuiModule::GuiModule;

    /// The customer touched the screen (simulator hook).
    void exit()
    {
        setVisible(false);
        emit exited();
    }

signals:
    void exited();
};
