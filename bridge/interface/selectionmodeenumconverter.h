#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/gui/guimanager.h"
#include "lea/interface/nativeui.h"

namespace bridge {
namespace interface {
/// The screen layer's selection mode between the core and the interface.
using SelectionModeEnumConverter
    = EnumConverter<GuiManager::SelectionMode, lea::interface::NativeUI::SelectionMode>;
} // namespace interface
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::interface::SelectionModeEnumConverter::Key> {
    bridge::interface::SelectionModeEnumConverter::pairs({
        { GuiManager::SelectionMode0, lea::interface::NativeUI::SelectionMode0 },
        { GuiManager::SelectionMode1, lea::interface::NativeUI::SelectionMode1 },
    })
};
