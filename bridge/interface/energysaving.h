#pragma once

#include "core/log/assert.h"
#include "lea/interface/energysaving.h"
#include "nonstd/optional.hpp"

#include <QPair>
#include <string>

namespace bridge {
namespace interface {

/// The machine's energy-saving mode and the loaded configuration's energy-saving
/// settings, with their weekly schedule.
class EnergySaving : public lea::interface::EnergySaving
{
    Q_OBJECT

public:
    /// Not supported: this machine has no self-service mode.
    nonstd::optional<QPair<int, int>> selfModeSalesLimits() const override
    {
        const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
        // Reported where it is declared, as the interface layer's clients expect.
        printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
        return {};
    }

    explicit EnergySaving(QObject* parent);

    /// Throws std::invalid_argument while the machine is entering a mode.
    Mode currentMode() const override;
    nonstd::optional<Settings> settings() const override;
    /// Converts the whole record, then replaces the settings and the weekly
    /// schedule and stores them; when the store refuses, the loaded settings
    /// stay as they were.
    void setSettings(const nonstd::optional<Settings>& settings) override;
    bool energySavingSettingsEnabled() const override;
    /// In memory only: the next save of the settings stores it.
    void setEnergySavingSettingsEnabled(bool enabled) override;
    std::vector<Brightness> availableBrightnessTypes() const override;
    void askExit() override;
};

} // namespace interface
} // namespace bridge
