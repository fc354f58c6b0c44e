#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kestrel::ui {

// The game's message boxes, behind an interface so tests can answer them. A box is modal but
// does not block: the call returns at once and the answer comes later through the callback, from
// the event loop, after the player has closed the box.
class Messages {
public:
    virtual ~Messages() = default;
    // Information icon, one OK button.
    virtual void inform(QWidget* parent, const QString& title, const QString& text,
                        std::function<void()> closed = {}) = 0;
    // Critical-stop icon, Yes and No buttons with No the default; `answered(true)` for Yes.
    virtual void confirm(QWidget* parent, const QString& title, const QString& text,
                         std::function<void(bool yes)> answered) = 0;
    // Warning icon, one OK button: something went wrong that the player should know.
    virtual void warn(QWidget* parent, const QString& title, const QString& text,
                      std::function<void()> closed = {}) = 0;
};

// The title of the machine's own boxes.
inline QString machineBoxTitle() {
    return QStringLiteral("Slots_kestrel");
}

// Said wherever a player's saved game is taken up (at start-up, on a switch of player) and was
// found damaged.
inline QString damagedSavedGameText() {
    return QStringLiteral(
        "The game that was in progress when Kestrel last stopped could not be taken up: what was "
        "saved of it is damaged. The credit and statistics are as last saved.");
}

// The real boxes: QMessageBox opened window-modal over its parent.
class QtMessages final : public Messages {
public:
    void inform(QWidget* parent, const QString& title, const QString& text,
                std::function<void()> closed) override;
    void confirm(QWidget* parent, const QString& title, const QString& text,
                 std::function<void(bool yes)> answered) override;
    void warn(QWidget* parent, const QString& title, const QString& text,
              std::function<void()> closed) override;
};

}  // namespace kestrel::ui
