#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/erogationmanager.h"
#include "lea/hardware/testcomponents.h"

#include <array>

namespace bridge {
namespace hardware {
using ComponentEnumConverter
    = EnumConverter<ErogationManager::ComponentsTest, lea::hardware::TestComponents::Component>;

namespace detail {
// The interface numbers core tests 1 to 47 from 0 and closes the gap before
// core tests 57 and 58; core test 0 is no test and has no partner.
constexpr std::array<ComponentEnumConverter::Pair, 50> componentPairs()
{
    std::array<ComponentEnumConverter::Pair, 50> table {};
    std::size_t k = 0;
    const auto add = [&](int core, int external) {
        table[k++] = { static_cast<ErogationManager::ComponentsTest>(core),
            static_cast<lea::hardware::TestComponents::Component>(external) };
    };
    for (int core = ErogationManager::FirstComponentTest; core <= ErogationManager::LastNumberedComponentTest;
         ++core)
        add(core, core - 1);
    add(ErogationManager::ComponentTest57, 47);
    add(ErogationManager::ComponentTest58, 48);
    add(ErogationManager::ComponentTest1000, lea::hardware::TestComponents::Component1000);
    return table;
}
} // namespace detail
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::ComponentEnumConverter::Key> {
    bridge::hardware::detail::componentPairs()
};
