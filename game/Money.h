#pragma once

#include <cstdint>
#include <string>

namespace kestrel {

// "$ " and the credits in dollars, shortest form: 1234 → "$ 12.34", 1250 → "$ 12.5",
// 1200 → "$ 12", -5 → "$ -0.05". Exact: built from the integer, never through floating point.
std::string dollars(std::int64_t credits);

}  // namespace kestrel
