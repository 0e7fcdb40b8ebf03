#pragma once

namespace lguim {

/// One row of a converter's value table: a core value and the interface value it stands for.
template <class InternalType, class ExternalType> struct EnumPair
{
    InternalType internal;
    ExternalType external;
};

/// Names one converter: its two enumerations and its tag.
template <class InternalType, class ExternalType, class Tag> struct EnumKey
{
};

/// Marks a converter whose value table was never declared.
struct NoEnumPairs
{
};

/// The value table of one converter, specialised for the converter's Key:
///
///     template <>
///     inline constexpr auto lguim::enumPairs<bridge::misc::StateEnumConverter::Key> {
///         bridge::misc::StateEnumConverter::pairs({ { CpuStateMachine::Ready, lea::misc::States::Ready } })
///     };
///
/// An internal value appears at most once; when an external value appears
/// several times, its first pair names the internal value it converts to.
template <class Key> inline constexpr NoEnumPairs enumPairs {};

} // namespace lguim
