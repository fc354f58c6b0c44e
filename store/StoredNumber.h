#pragma once

#include <QString>

#include <concepts>
#include <optional>
#include <utility>

namespace kestrel {

// A stored decimal integer that fits T; nothing for empty text, text that is not a whole
// number, or a number outside T's range.
template <std::integral T>
std::optional<T> storedNumber(const QString& text) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || !std::in_range<T>(value)) {
        return std::nullopt;
    }
    return static_cast<T>(value);
}

}  // namespace kestrel
