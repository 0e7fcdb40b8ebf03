#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/typedstring.h"
#include "lea/staticsettings/languages.h"

namespace lguim {
template <> struct EnumPairs<TypedString::StringType, lea::staticsettings::Languages::StringType, void>
{
    // The two enumerations agree value for value.
    static constexpr auto pairs
        = generatePairs<TypedString::StringType, lea::staticsettings::Languages::StringType, 22>([](int k) {
              return EnumPair<TypedString::StringType, lea::staticsettings::Languages::StringType> {
                  static_cast<TypedString::StringType>(k),
                  static_cast<lea::staticsettings::Languages::StringType>(k)
              };
          });
};
} // namespace lguim

namespace bridge {
namespace staticsettings {
using StringTypeConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, TypedString::StringType,
    bridge::LeaEnum, lea::staticsettings::Languages::StringType, void>;
} // namespace staticsettings
} // namespace bridge
