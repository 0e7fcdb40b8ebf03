#pragma once

#include "bridge/interface/dispensing.h"
#include "bridge/interface/selection.h"
#include "lea/helpers/concretefactory.h"
#include "lea/interface/factory.h"

namespace bridge {
namespace interface {

/// Creates the interface accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::interface::Factory, lea::interface::EnergySaving,
    lea::interface::NativeUI, lea::interface::Playlists, lea::interface::Screensaver,
    lea::interface::UIOptions, bridge::interface::Selection, lea::interface::FooterLogo, lea::interface::Logo,
    lea::interface::NewsFeed, lea::interface::EnergySavingParametersLimits, lea::interface::SelectionQRCode,
    lea::interface::ReceiptQRCode, bridge::interface::Dispensing, lea::interface::LoyaltyQRCode>;

} // namespace interface
} // namespace bridge
