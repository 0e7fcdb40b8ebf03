#pragma once

#include "bridge/interface/dispensing.h"
#include "bridge/interface/energysaving.h"
#include "bridge/interface/energysavingparameterslimits.h"
#include "bridge/interface/logo.h"
#include "bridge/interface/loyaltyqrcode.h"
#include "bridge/interface/nativeui.h"
#include "bridge/interface/newsfeed.h"
#include "bridge/interface/playlists.h"
#include "bridge/interface/receiptqrcode.h"
#include "bridge/interface/screensaver.h"
#include "bridge/interface/selection.h"
#include "bridge/interface/selectionqrcode.h"
#include "bridge/interface/uioptions.h"
#include "lea/helpers/concretefactory.h"
#include "lea/interface/factory.h"

namespace bridge {
namespace interface {

/// Creates the interface accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::interface::Factory, bridge::interface::EnergySaving,
    bridge::interface::NativeUI, bridge::interface::Playlists, bridge::interface::Screensaver,
    bridge::interface::UIOptions, bridge::interface::Selection, lea::interface::FooterLogo,
    bridge::interface::Logo, bridge::interface::NewsFeed, bridge::interface::EnergySavingParametersLimits,
    bridge::interface::SelectionQRCode, bridge::interface::ReceiptQRCode, bridge::interface::Dispensing,
    bridge::interface::LoyaltyQRCode>;

} // namespace interface
} // namespace bridge
