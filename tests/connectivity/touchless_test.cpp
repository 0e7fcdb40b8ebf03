#include "bridge/connectivity/touchless.h"
#include "support/guardtest.h"

namespace {

using LeaTouchless = lea::connectivity::Touchless;
using Touchless = bridge::connectivity::Touchless;

const GuardCase<Touchless> kGuards[] = {
    { "settings", [](Touchless& t) { return !t.settings().enabled; }, Guard::Unsupported },
    { "confirmationCodes", [](Touchless& t) { return t.confirmationCodes().empty(); }, Guard::Unsupported },
    { "setNetworkLog", [](Touchless& t) { return t.setNetworkLog("log"), true; }, Guard::Unsupported },
    { "setStatus", [](Touchless& t) { return t.setStatus(LeaTouchless::Ready), true; }, Guard::Unsupported },
    { "isActiveChanged", [](Touchless& t) { return t.isActiveChanged(true), true; }, Guard::Unsupported },
    { "qrCodeGenerated", [](Touchless& t) { return t.qrCodeGenerated("code"), true; }, Guard::Unsupported },
    { "invalidSelectionQrCode", [](Touchless& t) { return t.invalidSelectionQrCode(), true; },
        Guard::Unsupported },
};
GUARD_TEST(TouchlessGuard, LeaTouchless, Touchless, kGuards);

} // namespace
