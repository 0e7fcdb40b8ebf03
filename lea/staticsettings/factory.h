#pragma once

#include "lea/priv/abstractfactory.h"
#include "lea/staticsettings/boilercapabilities.h"
#include "lea/staticsettings/characteristics.h"
#include "lea/staticsettings/date.h"
#include "lea/staticsettings/display.h"
#include "lea/staticsettings/endlinetest.h"
#include "lea/staticsettings/energysavingcapabilities.h"
#include "lea/staticsettings/languages.h"
#include "lea/staticsettings/network.h"
#include "lea/staticsettings/operator.h"
#include "lea/staticsettings/paths.h"
#include "lea/staticsettings/rollingtextscapabilities.h"

namespace lea {
namespace staticsettings {

/// The factory of the staticsettings accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<Characteristics, Operator, Paths, Date, Languages, Network,
    Display, EndLineTest, BoilerCapabilities, EnergySavingCapabilities, RollingTextsCapabilities>;

} // namespace staticsettings
} // namespace lea
