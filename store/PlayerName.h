#pragma once

#include <QString>
#include <QStringView>

namespace kestrel {

// A player's name holds 1 to 12 characters. Characters are Unicode code points, so a letter
// outside the Basic Multilingual Plane counts once although it takes two UTF-16 units.
inline constexpr qsizetype kMaxNameLength = 12;

enum class NameCheck {
    Accepted,
    NothingEntered,  // the entry is empty or holds nothing but blanks
    TooLong,         // more than kMaxNameLength characters
};

qsizetype nameLength(QStringView name);
// Judges a name as typed into the name entry.
NameCheck checkName(QStringView typed);
// The first kMaxNameLength characters of a stored name (a hand-edited file may hold more).
QString limitName(const QString& name);

}  // namespace kestrel
