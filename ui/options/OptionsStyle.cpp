#include "OptionsStyle.h"

namespace kestrel::ui {

namespace {

// Chrome: a bright band over a darker middle, as on a bumper.
constexpr char kButtons[] = R"(
QPushButton {
    color: #8e0b20;
    font-weight: bold;
    padding: 5px 14px;
    border: 2px solid #7d8790;
    border-radius: 12px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
        stop:0 #ffffff, stop:0.45 #d5dade, stop:0.55 #aab2b9, stop:1 #eef1f3);
}
QPushButton:hover { border-color: #30b5b0; }
QPushButton:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
        stop:0 #aab2b9, stop:0.5 #d5dade, stop:1 #ffffff);
}
QPushButton:disabled { color: #9a9a9a; }
QPushButton[primary="true"] {
    color: #fff4dc;
    border-color: #5e0715;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
        stop:0 #e8455c, stop:0.5 #c8102e, stop:1 #8e0b20);
}
QPushButton[warning="true"] { color: #c8102e; }
QPushButton:focus { border-color: #1f7f7b; }
QPushButton[primary="true"]:focus { border-color: #ffd34d; }
)";

constexpr char kOptions[] = R"(
QDialog { background: #fff4dc; }
QWidget { font-family: "DejaVu Sans"; font-size: 9pt; color: #3a2a1e; }
QGroupBox {
    border: 2px solid #30b5b0;
    border-radius: 8px;
    margin-top: 12px;
    padding: 6px 6px 4px 6px;
    background: #fffaf0;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 12px;
    padding: 0 5px;
    color: #c8102e;
    font-weight: bold;
    background: #fff4dc;
}
QGroupBox#mainFrame {
    font-size: 15pt;
    font-weight: bold;
    font-style: italic;
    border: 3px solid #c8102e;
    border-radius: 12px;
    margin-top: 14px;
    padding: 12px 8px 8px 8px;
    background: #fff4dc;
}
QGroupBox#mainFrame::title { left: 22px; padding: 0 8px; }
QGroupBox#statsFrame { background: #e3f6f4; }
QLabel[statistic="true"] { font-size: 9pt; }
QLabel[headline="true"] { color: #8e0b20; font-weight: bold; }
QLabel#fastslow, QLabel#speedlab, QLabel[note="true"] { color: #1f7f7b; font-size: 8pt; }
QLineEdit {
    border: 2px solid #30b5b0;
    border-radius: 6px;
    padding: 3px 6px;
    background: #ffffff;
    selection-background-color: #c8102e;
}
QLineEdit:focus { border-color: #c8102e; }
QRadioButton { spacing: 6px; }
QRadioButton::indicator {
    width: 12px; height: 12px;
    border-radius: 7px;
    border: 2px solid #7d8790;
    background: #ffffff;
}
QRadioButton::indicator:checked {
    border-color: #8e0b20;
    background: qradialgradient(cx:0.5, cy:0.5, radius:0.6, fx:0.4, fy:0.35,
        stop:0 #ff8a9a, stop:0.5 #c8102e, stop:1 #8e0b20);
}
)";

constexpr char kSecondary[] = R"(
QWidget#aboutkestrel { background: #fff4dc; }
QLabel#lblTitle { color: #c8102e; font-size: 20pt; font-weight: bold; font-style: italic; }
QLabel#lblVersion, QLabel#lblDescription { color: #1f7f7b; }
QPushButton#cmdLink { color: #1f7f7b; }
)";

}  // namespace

QString optionsStyleSheet() {
    return QString::fromLatin1(kOptions) + QString::fromLatin1(kButtons);
}

QString secondaryWindowStyleSheet() {
    return QString::fromLatin1(kSecondary) + QString::fromLatin1(kButtons);
}

}  // namespace kestrel::ui
