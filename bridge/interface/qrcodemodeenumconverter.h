#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/generalsettings.h"
#include "lea/interface/selectionqrcode.h"

namespace bridge {
namespace interface {
/// The selection QR code's mode between the core and the interface.
using QRCodeModeEnumConverter
    = EnumConverter<GeneralSettings::QRCodeMode, lea::interface::SelectionQRCode::Mode>;
} // namespace interface
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::interface::QRCodeModeEnumConverter::Key> {
    bridge::interface::QRCodeModeEnumConverter::pairs({
        { GeneralSettings::QRCodeMode0, lea::interface::SelectionQRCode::Mode0 },
        { GeneralSettings::QRCodeMode1, lea::interface::SelectionQRCode::Mode1 },
        { GeneralSettings::QRCodeMode2, lea::interface::SelectionQRCode::Mode2 },
    })
};
