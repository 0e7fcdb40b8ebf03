#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/abstracterogationprotocol.h"
#include "lea/hardware/boilers.h"

namespace bridge {
namespace hardware {
/// The boilers the operator installs by hand.
using BoilerTypeEnumConverter
    = EnumConverter<AbstractErogationProtocol::Boilers, lea::hardware::Boilers::BoilerType>;
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::BoilerTypeEnumConverter::Key> {
    bridge::hardware::BoilerTypeEnumConverter::pairs({
        { AbstractErogationProtocol::EspressoBoiler, lea::hardware::Boilers::EspressoBoiler },
        { AbstractErogationProtocol::InstantBoiler, lea::hardware::Boilers::InstantBoiler },
    })
};
