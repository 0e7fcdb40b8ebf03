#pragma once

#include "lea/interface/energysaving.h"

#include <memory>
#include <vector>

class EnergySavingSettings;
class TimeBandDataSettings;

namespace bridge {
namespace interface {

/// Converts the energy-saving settings between the core and the interface.
/// Writing converts the whole record first, so that a value that does not
/// convert throws before the core is changed.
class EnergySavingSettingsConverter
{
public:
    using Settings = lea::interface::EnergySaving::Settings;

    /// Throws std::invalid_argument for a contrast or mode that has no interface value.
    static Settings coreSettingsToLeaSettings(const EnergySavingSettings& settings);

    /// The record converted to core values, ready to apply.
    class CoreSettings
    {
    public:
        /// Throws std::invalid_argument for a brightness or mode that has no core
        /// value, or a time beyond the core's 32 bits.
        explicit CoreSettings(const Settings& settings);
        ~CoreSettings();
        CoreSettings(const CoreSettings&) = delete;
        CoreSettings& operator=(const CoreSettings&) = delete;

        /// Gives `settings` every value and replaces its schedule; once only.
        void applyTo(EnergySavingSettings& settings);

    private:
        struct Values;
        std::unique_ptr<Values> m_values;
        std::vector<std::unique_ptr<TimeBandDataSettings>> m_states;
    };
};

} // namespace interface
} // namespace bridge
