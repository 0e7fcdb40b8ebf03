#pragma once

#include <utility>

namespace bridge {
namespace qml {

/// Stores `value` in `member` and emits `changed` of `object` only when they differ.
template <class Object, class Member, class Value, class Signal>
void setAndNotify(Object* object, Member& member, Value&& value, Signal changed)
{
    if (member == value)
        return;
    member = std::forward<Value>(value);
    emit(object->*changed)();
}

} // namespace qml
} // namespace bridge
