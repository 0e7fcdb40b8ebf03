#pragma once

#include <memory>

namespace lea {
namespace helpers {

template <class T> std::unique_ptr<T> make_unique()
{
    return std::unique_ptr<T>(new T());
}

} // namespace helpers
} // namespace lea
