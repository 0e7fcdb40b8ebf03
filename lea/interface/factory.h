#pragma once

#include "lea/interface/dispensing.h"
#include "lea/interface/energysaving.h"
#include "lea/interface/energysavingparameterslimits.h"
#include "lea/interface/footerlogo.h"
#include "lea/interface/logo.h"
#include "lea/interface/loyaltyqrcode.h"
#include "lea/interface/nativeui.h"
#include "lea/interface/newsfeed.h"
#include "lea/interface/playlists.h"
#include "lea/interface/receiptqrcode.h"
#include "lea/interface/screensaver.h"
#include "lea/interface/selection.h"
#include "lea/interface/selectionqrcode.h"
#include "lea/interface/uioptions.h"
#include "lea/priv/abstractfactory.h"

namespace lea {
namespace interface {

/// The factory of the interface accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<Playlists, Screensaver, UIOptions, NativeUI, EnergySaving, Logo,
    Selection, FooterLogo, NewsFeed, EnergySavingParametersLimits, SelectionQRCode, ReceiptQRCode, Dispensing,
    LoyaltyQRCode>;

} // namespace interface
} // namespace lea
