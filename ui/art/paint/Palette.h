#pragma once

#include <QColor>
#include <QRgb>

// The cabinet's colours: a fifties diner (cherry red, turquoise, cream, chrome) with pastel
// flower-power accents. Every picture takes its colours from here so the machine looks as one.
namespace kestrel::art::palette {

inline constexpr QRgb kInk = 0xFF2B1A22;  // the outline of every drawn shape
inline constexpr QRgb kCherry = 0xFFE0304A;
inline constexpr QRgb kCherryLight = 0xFFFF6B7F;
inline constexpr QRgb kCherryDark = 0xFFA4152B;
inline constexpr QRgb kCherryDeep = 0xFF6E0A1A;
inline constexpr QRgb kTurquoise = 0xFF2EC4B6;
inline constexpr QRgb kTurquoiseLight = 0xFF8FF0E6;
inline constexpr QRgb kTurquoiseDark = 0xFF168C83;
inline constexpr QRgb kTurquoiseDeep = 0xFF0B4F4A;
inline constexpr QRgb kCream = 0xFFFFF4DC;
inline constexpr QRgb kCreamDark = 0xFFF0DDB4;
inline constexpr QRgb kButter = 0xFFFFC928;
inline constexpr QRgb kButterLight = 0xFFFFE98A;
inline constexpr QRgb kOrange = 0xFFFA9A1E;
inline constexpr QRgb kPink = 0xFFFF8FC8;
inline constexpr QRgb kLilac = 0xFFD9B8F2;
inline constexpr QRgb kMint = 0xFFB5EAD7;
inline constexpr QRgb kNoteGreen = 0xFF5FA86A;
inline constexpr QRgb kGlass = 0xFF120B14;  // the dark glass of meters and counters

inline QColor colour(QRgb rgb, int alpha = 255) {
    QColor c = QColor::fromRgba(rgb);
    c.setAlpha(alpha);
    return c;
}

}  // namespace kestrel::art::palette
