#pragma once

#include <QString>

namespace kestrel {

// The per-user settings store of the application "kestrelslot": text values addressed by
// section and key. Written values are visible to reads at once; sync() makes them last.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or empty text when the key is missing or cannot be read.
    virtual QString value(const QString& section, const QString& key) const = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
    // Puts every value written so far into lasting storage. False when the write did not reach
    // it; the values are then kept and tried again by the next sync().
    [[nodiscard]] virtual bool sync() = 0;
};

}  // namespace kestrel
