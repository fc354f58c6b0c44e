#pragma once

#include <QMap>
#include <QString>

#include "SettingsStore.h"

namespace kestrel {

// The settings store as an INI file (the text of IniText.h) kept by QSettings. Every sync()
// replaces the file atomically: QSaveFile writes a temporary file, the writer checks that all
// of it reached the disk, and only then is it renamed over the old file, so the file is never
// half-written. A failed sync is reported on standard error. A damaged file yields what can be
// read from it and is replaced by a clean one at the next sync(); a file that cannot be read at
// all is never overwritten, so records hidden by a permission slip are not destroyed.
class QSettingsStore final : public SettingsStore {
public:
    static constexpr char kApplicationName[] = "kestrelslot";

    // The user's file: ~/.config/kestrelslot/kestrelslot.conf ($XDG_CONFIG_HOME moves it).
    QSettingsStore();
    explicit QSettingsStore(QString filePath);

    QString value(const QString& section, const QString& key) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    [[nodiscard]] bool sync() override;

    const QString& fileName() const { return path_; }

private:
    QString path_;
    // Written since the last successful sync, by "section/key". QSettings objects live only
    // for one read or one sync, so no write ever happens behind the caller's back.
    QMap<QString, QString> pending_;
};

}  // namespace kestrel
