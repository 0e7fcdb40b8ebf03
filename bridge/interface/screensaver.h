#pragma once

#include "lea/interface/screensaver.h"

namespace bridge {
namespace interface {

/// The screen saver of the loaded configuration: whether it runs, its
/// playlist (which carries the screen-saver use) and its time. Relays the
/// changes of whichever configuration is loaded.
class Screensaver : public lea::interface::Screensaver
{
    Q_OBJECT

public:
    explicit Screensaver(QObject* parent);
    ~Screensaver() override;

    /// Without a configuration: disabled, no playlist, time 0.
    Settings settings() const override;
    /// Stores the settings and moves the screen-saver use to the new playlist.
    /// A time the machine cannot hold, an unknown playlist or a refused save is
    /// logged and changes nothing.
    void setSettings(const Settings& settings) override;
};

} // namespace interface
} // namespace bridge
