#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/erogationmanager.h"
#include "lea/misc/states.h"

namespace bridge {
namespace misc {
using ErogationStateEnumConverter
    = EnumConverter<ErogationManager::ErogationStatus, lea::misc::States::ErogationState>;
} // namespace misc
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::misc::ErogationStateEnumConverter::Key> {
    bridge::misc::ErogationStateEnumConverter::pairs({
        { ErogationManager::Idle, lea::misc::States::NoErogation },
        { ErogationManager::InProgress, lea::misc::States::Erogating },
        { ErogationManager::TakeCup, lea::misc::States::WaitingCupRemoval },
        { ErogationManager::Failed, lea::misc::States::ErogationFailed },
        { ErogationManager::Canceled, lea::misc::States::ErogationCanceled },
        { ErogationManager::Testing, lea::misc::States::ErogationTesting },
    })
};
