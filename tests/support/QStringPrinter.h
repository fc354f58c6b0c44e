#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show a QString as text in failure messages (found by argument lookup).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
