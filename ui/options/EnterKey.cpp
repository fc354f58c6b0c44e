#include "EnterKey.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace kestrel::ui {

bool pressButtonForEnter(QWidget& window, const QKeyEvent& event) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) {
        return false;
    }
    auto* button = qobject_cast<QPushButton*>(window.focusWidget());
    if (button == nullptr) {
        const auto buttons = window.findChildren<QPushButton*>();
        const auto found = std::find_if(buttons.cbegin(), buttons.cend(),
                                        [](const QPushButton* b) { return b->isDefault(); });
        button = found != buttons.cend() ? *found : nullptr;
    }
    if (button == nullptr || !button->isEnabled() || !button->isVisible()) {
        return false;
    }
    button->click();
    return true;
}

}  // namespace kestrel::ui
