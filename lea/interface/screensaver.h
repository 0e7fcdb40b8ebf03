#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>

namespace lea {
namespace interface {

/// Accessor of screen saver settings.
class Screensaver : public QObject
{
    Q_OBJECT

public:
    /// Whether the screen saver runs, what it plays and when it starts.
    struct Settings
    {
        bool enabled = false;
        nonstd::optional<lea::PlaylistDbId> playlist;
        /// In the machine's unit.
        int64_t time = 0;
    };

    ~Screensaver() override = default;

    virtual Settings settings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;

signals:
    void changed();

protected:
    explicit Screensaver(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
