#pragma once

#include <QString>

#include <array>
#include <concepts>
#include <cstddef>
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

// Enumerations stored as words: each value with the word that names it.
template <typename E, std::size_t N>
using StoredWords = std::array<std::pair<const char*, E>, N>;

// The word of a value; empty for a value the list does not name.
template <typename E, std::size_t N>
const char* wordOf(E value, const StoredWords<E, N>& words) {
    for (const auto& [word, named] : words) {
        if (named == value) {
            return word;
        }
    }
    return "";
}

// The value a stored word names; nothing for any other text.
template <typename E, std::size_t N>
std::optional<E> storedWord(const QString& text, const StoredWords<E, N>& words) {
    for (const auto& [word, named] : words) {
        if (text == QLatin1String(word)) {
            return named;
        }
    }
    return std::nullopt;
}

}  // namespace kestrel
