#pragma once

#include <concepts>

namespace kestrel {

// Adds amount to target unless the result would not fit target's type; then target keeps its
// value. Returns whether the addition happened.
template <std::integral T, std::integral U>
[[nodiscard]] constexpr bool checkedAdd(T& target, U amount) {
    T result{};
    if (__builtin_add_overflow(target, amount, &result)) {
        return false;
    }
    target = result;
    return true;
}

template <std::integral T, std::integral U>
[[nodiscard]] constexpr bool checkedSub(T& target, U amount) {
    T result{};
    if (__builtin_sub_overflow(target, amount, &result)) {
        return false;
    }
    target = result;
    return true;
}

template <std::integral T, std::integral U>
[[nodiscard]] constexpr bool checkedMul(T& target, U factor) {
    T result{};
    if (__builtin_mul_overflow(target, factor, &result)) {
        return false;
    }
    target = result;
    return true;
}

}  // namespace kestrel
