#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/erogationmanager.h"
#include "lea/misc/states.h"

namespace lguim {
template <> struct EnumPairs<ErogationManager::ErogationStatus, lea::misc::States::ErogationState, void>
{
    using Pair = EnumPair<ErogationManager::ErogationStatus, lea::misc::States::ErogationState>;

    static constexpr Pair pairs[] = {
        { ErogationManager::Idle, lea::misc::States::NoErogation },
        { ErogationManager::InProgress, lea::misc::States::Erogating },
        { ErogationManager::TakeCup, lea::misc::States::WaitingCupRemoval },
        { ErogationManager::Failed, lea::misc::States::ErogationFailed },
        { ErogationManager::Canceled, lea::misc::States::ErogationCanceled },
        { ErogationManager::Testing, lea::misc::States::ErogationTesting },
    };
};
} // namespace lguim

namespace bridge {
namespace misc {
using ErogationStateConverter = lguim::TaggedEnumConverter<bridge::CoreEnum,
    ErogationManager::ErogationStatus, bridge::LeaEnum, lea::misc::States::ErogationState, void>;
} // namespace misc
} // namespace bridge
