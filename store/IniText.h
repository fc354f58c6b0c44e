#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSettings>

namespace kestrel {

// The settings file's text, UTF-8: "[section]" lines, each followed by its "key=value" lines.
// Section names and keys are ASCII letters, digits, '_', '-' and '.'. A value is the text after
// the '=' with the blanks around it trimmed; backslash escapes (\\ \" \n \r \t \xHH) stand for
// characters the line cannot hold, and a value in double quotes keeps blanks at its ends.
// Reading is lenient: lines that are not a section, a key or a comment (';' or '#'), and keys
// of a section with an unusable name, are skipped; `skippedLines`, when given, counts them. The
// map's keys are "section/key".
QSettings::SettingsMap parseIni(QByteArrayView text, qsizetype* skippedLines = nullptr);
QByteArray formatIni(const QSettings::SettingsMap& values);

}  // namespace kestrel
