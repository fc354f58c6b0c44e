#pragma once

#include "ArtBook.h"

namespace kestrel::test {

// One picture book for a whole test program: its pictures are decoded once and shared.
inline const ArtBook& book() {
    static const ArtBook instance;
    return instance;
}

}  // namespace kestrel::test
