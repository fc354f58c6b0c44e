#pragma once

#include "SettingsStore.h"

namespace kestrel {

// Whether the one-time autoplay notice has been shown: "notice"/"autoplay" in the settings
// store, one flag for every player slot.
class AutoplayNotice {
public:
    explicit AutoplayNotice(SettingsStore& store) : store_(store) {}

    // The stored flag (any non-zero number means shown), or `current` when the value is
    // missing or not a number.
    bool shown(bool current) const;
    // Stores the flag as shown ("-1"); false when the write did not reach storage.
    [[nodiscard]] bool markShown();

private:
    SettingsStore& store_;
};

}  // namespace kestrel
