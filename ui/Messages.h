#pragma once

#include <QString>

class QWidget;

namespace kestrel::ui {

// The modal message boxes of the game, behind an interface so tests can answer them.
class Messages {
public:
    virtual ~Messages() = default;
    // Information icon, one OK button.
    virtual void inform(QWidget* parent, const QString& title, const QString& text) = 0;
    // Critical-stop icon, Yes and No buttons with No the default; true when Yes is chosen.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // Warning icon, one OK button: something the player asked for went wrong.
    virtual void warn(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The real boxes, QMessageBox.
class QtMessages final : public Messages {
public:
    void inform(QWidget* parent, const QString& title, const QString& text) override;
    bool confirm(QWidget* parent, const QString& title, const QString& text) override;
    void warn(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace kestrel::ui
