#include "QSettingsStore.h"

#include <QFileDevice>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <cstdio>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "IniText.h"

namespace kestrel {

namespace {

bool readSettings(QIODevice& device, QSettings::SettingsMap& values) {
    values = parseIni(device.readAll());
    return true;
}

// QSettings writes into a QSaveFile and renames it over the old file once this returns true.
// Qt 6.4 passes a short write (a disk that fills up half-way) off as success, and QSaveFile
// would then commit the cut file; so the text is pushed out here until none is left, and the
// disk must confirm it, before the rename may happen.
bool writeSettings(QIODevice& device, const QSettings::SettingsMap& values) {
    const QByteArray text = formatIni(values);
    if (device.write(text) != text.size()) {
        return false;
    }
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (file == nullptr) {
        return true;
    }
    for (qint64 left = file->bytesToWrite(); left > 0;) {
        if (!file->flush() || file->bytesToWrite() >= left) {
            return false;
        }
        left = file->bytesToWrite();
    }
#ifdef Q_OS_UNIX
    return ::fsync(file->handle()) == 0;
#else
    return true;
#endif
}

QSettings::Format settingsFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readSettings, writeSettings);
    return format;
}

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

}  // namespace

// The file QSettings("kestrelslot", "kestrelslot") uses on Linux.
QSettingsStore::QSettingsStore()
    : QSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     u'/' + QLatin1String(kApplicationName) + u'/' +
                     QLatin1String(kApplicationName) + QStringLiteral(".conf")) {}

QSettingsStore::QSettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString QSettingsStore::value(const QString& section, const QString& key) const {
    const QString name = settingsKey(section, key);
    if (const auto it = pending_.constFind(name); it != pending_.cend()) {
        return *it;
    }
    return QSettings(path_, settingsFormat()).value(name).toString();
}

void QSettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    pending_.insert(settingsKey(section, key), value);
}

bool QSettingsStore::sync() {
    if (pending_.isEmpty()) {
        return true;
    }
    // A fresh QSettings for every sync: QSettings keeps the first error it meets for good.
    // Atomic sync stays required (its default), so QSaveFile never falls back to rewriting
    // the file in place.
    QSettings settings(path_, settingsFormat());
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        settings.setValue(it.key(), it.value());
    }
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        std::fprintf(stderr, "kestrelslot: could not save the player records to %s\n",
                     qUtf8Printable(path_));
        return false;
    }
    pending_.clear();
    return true;
}

}  // namespace kestrel
