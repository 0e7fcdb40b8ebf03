#pragma once

#include <utility>

namespace lea {
namespace priv {

/// A value of type T made distinct per Tag, so that identifiers of different
/// kinds cannot be mixed up. Compared and ordered by the value.
template <class Tag, class T> class NewType
{
public:
    using ValueType = T;

    constexpr NewType() = default;
    constexpr explicit NewType(T value)
        : m_value(std::move(value))
    {
    }

    constexpr const T& value() const { return m_value; }

    friend constexpr bool operator==(const NewType& a, const NewType& b) { return a.m_value == b.m_value; }
    friend constexpr bool operator!=(const NewType& a, const NewType& b) { return !(a == b); }
    friend constexpr bool operator<(const NewType& a, const NewType& b) { return a.m_value < b.m_value; }
    friend constexpr bool operator>(const NewType& a, const NewType& b) { return b < a; }
    friend constexpr bool operator<=(const NewType& a, const NewType& b) { return !(b < a); }
    friend constexpr bool operator>=(const NewType& a, const NewType& b) { return !(a < b); }

private:
    T m_value {};
};

} // namespace priv
} // namespace lea
