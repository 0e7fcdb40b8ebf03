// optional-lite is not packaged here; under C++17 it would select std::optional
// itself, so this header provides the same names as that selection does.
#pragma once

#include <optional>

namespace nonstd {
namespace optional_lite {
template <class T>
using optional = std::optional<T>;
using std::make_optional;
using std::nullopt;
using std::nullopt_t;
} // namespace optional_lite

using optional_lite::make_optional;
using optional_lite::nullopt;
using optional_lite::nullopt_t;
using optional_lite::optional;
} // namespace nonstd
