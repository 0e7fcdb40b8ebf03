#pragma once

#include "bridge/secureenumconverter.h"

namespace bridge {
/// Marks the core side of a converter.
struct CoreEnum;
/// Marks the interface-layer side of a converter.
struct LeaEnum;
} // namespace bridge

namespace lguim {

/// A converter named together with its sides, for generic code that needs the
/// member types Internal and External.
template <class CoreSide, class InternalType, class LeaSide, class ExternalType, class Tag>
struct TaggedEnumConverter : SecureEnumConverter<InternalType, ExternalType, Tag>
{
    using Internal = InternalType;
    using External = ExternalType;
};

} // namespace lguim

namespace bridge {
/// The converter between a core enumeration and an interface-layer one. Its
/// value table is the specialisation of lguim::enumPairs for its Key.
template <class Internal, class External>
using EnumConverter = lguim::TaggedEnumConverter<CoreEnum, Internal, LeaEnum, External, void>;
} // namespace bridge
