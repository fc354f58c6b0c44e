#include "PlayerName.h"

namespace kestrel {

namespace {

// The UTF-16 index just past the character that starts at index.
qsizetype nextCharacter(QStringView text, qsizetype index) {
    const bool pair = text[index].isHighSurrogate() && index + 1 < text.size() &&
                      text[index + 1].isLowSurrogate();
    return index + (pair ? 2 : 1);
}

}  // namespace

qsizetype nameLength(QStringView name) {
    qsizetype length = 0;
    for (qsizetype index = 0; index < name.size(); index = nextCharacter(name, index)) {
        ++length;
    }
    return length;
}

NameCheck checkName(QStringView typed) {
    // Blanks alone name no one: the slot would show neither a name nor "Vacant".
    if (typed.trimmed().isEmpty()) {
        return NameCheck::NothingEntered;
    }
    return nameLength(typed) > kMaxNameLength ? NameCheck::TooLong : NameCheck::Accepted;
}

QString limitName(const QString& name) {
    qsizetype end = 0;
    for (qsizetype kept = 0; kept < kMaxNameLength && end < name.size(); ++kept) {
        end = nextCharacter(name, end);
    }
    return name.left(end);
}

}  // namespace kestrel
