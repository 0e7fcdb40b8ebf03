#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/payment/himanager.h"
#include "lea/payment/paxio.h"

namespace bridge {
namespace payment {
/// The kind of a file exchanged with the mobile payment terminal.
using PaxioFileTypeEnumConverter
    = EnumConverter<::payment::hi::HiManager::FileType, lea::payment::Paxio::FileType>;
} // namespace payment
} // namespace bridge

// One to one.
template <>
inline constexpr auto lguim::enumPairs<bridge::payment::PaxioFileTypeEnumConverter::Key> {
    bridge::payment::PaxioFileTypeEnumConverter::pairs({
        { ::payment::hi::HiManager::Configuration, lea::payment::Paxio::Configuration },
        { ::payment::hi::HiManager::Firmware, lea::payment::Paxio::Firmware },
        { ::payment::hi::HiManager::Audit, lea::payment::Paxio::Audit },
    })
};
