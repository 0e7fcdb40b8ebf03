#pragma once

#include "bridge/staticsettings/boilercapabilities.h"
#include "bridge/staticsettings/characteristics.h"
#include "bridge/staticsettings/date.h"
#include "bridge/staticsettings/display.h"
#include "bridge/staticsettings/endlinetest.h"
#include "bridge/staticsettings/energysavingcapabilities.h"
#include "bridge/staticsettings/languages.h"
#include "bridge/staticsettings/network.h"
#include "bridge/staticsettings/operator.h"
#include "bridge/staticsettings/paths.h"
#include "bridge/staticsettings/rollingtextscapabilities.h"
#include "lea/helpers/concretefactory.h"
#include "lea/staticsettings/factory.h"

namespace bridge {
namespace staticsettings {

/// Creates the staticsettings accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::staticsettings::Factory, Characteristics, Date, Languages,
    Operator, Paths, Network, Display, EndLineTest, BoilerCapabilities, EnergySavingCapabilities,
    RollingTextsCapabilities>;

} // namespace staticsettings
} // namespace bridge
