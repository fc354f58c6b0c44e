#include "Money.h"

namespace kestrel {

std::string dollars(std::int64_t credits) {
    const bool negative = credits < 0;
    // Work in unsigned so the most negative value still has a magnitude.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(credits) : static_cast<std::uint64_t>(credits);
    std::string text = "$ ";
    if (negative) {
        text += '-';
    }
    text += std::to_string(magnitude / 100);
    const auto cents = static_cast<unsigned>(magnitude % 100);
    if (cents != 0) {
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) {
            text += static_cast<char>('0' + cents % 10);
        }
    }
    return text;
}

}  // namespace kestrel
