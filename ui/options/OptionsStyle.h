#pragma once

#include <QString>

namespace kestrel::ui {

// The diner look of the secondary windows: cream panels, cherry-red captions, turquoise trim
// and chrome buttons.
QString optionsStyleSheet();
QString secondaryWindowStyleSheet();

}  // namespace kestrel::ui
