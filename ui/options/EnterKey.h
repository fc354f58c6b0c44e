#pragma once

class QKeyEvent;
class QWidget;

namespace kestrel::ui {

// Enter or Return in `window`: presses the push button with the focus, or else its default one.
// Push buttons outside a dialog, and those of a dialog that has no default, leave Enter to their
// window. True when a button was pressed.
bool pressButtonForEnter(QWidget& window, const QKeyEvent& event);

}  // namespace kestrel::ui
