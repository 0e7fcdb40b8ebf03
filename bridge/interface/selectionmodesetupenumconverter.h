#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/directselectionsettings.h"
#include "lea/interface/uioptions.h"

namespace bridge {
namespace interface {
/// The selection screen's set-up between the core and the interface.
using SelectionModeSetupEnumConverter = EnumConverter<DirectSelectionSettings::SelectionModeSetup,
    lea::interface::UIOptions::SelectionModeSetup>;
} // namespace interface
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::interface::SelectionModeSetupEnumConverter::Key> {
    bridge::interface::SelectionModeSetupEnumConverter::pairs({
        { DirectSelectionSettings::SelectionModeSetup0, lea::interface::UIOptions::SelectionModeSetup0 },
        { DirectSelectionSettings::SelectionModeSetup1, lea::interface::UIOptions::SelectionModeSetup1 },
        { DirectSelectionSettings::SelectionModeSetup2, lea::interface::UIOptions::SelectionModeSetup2 },
    })
};
