#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "Messages.h"

namespace kestrel::ui {

namespace {

// The keys go back where they were before the box took them: to a dialog that is still modal,
// else to the window the box stood over. A window manager would do this; without one the focus
// goes nowhere when the box goes, and the window stays deaf to the keyboard until clicked.
void handBackTheKeys(QWidget* parent) {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr && parent != nullptr) {
        window = parent->window();
    }
    if (window != nullptr && window->isVisible()) {
        window->activateWindow();
    }
}

// Opens the box and hands its answer to `done` once it closes; the box deletes itself.
void openBox(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons, std::function<void(int)> done) {
    auto* box = new QMessageBox(icon, title, text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (buttons.testFlag(QMessageBox::No)) {
        box->setDefaultButton(QMessageBox::No);
    }
    QObject::connect(box, &QMessageBox::finished, box,
                     [done = std::move(done), parent = QPointer<QWidget>(parent)](int result) {
                         handBackTheKeys(parent);
                         if (done) {
                             done(result);
                         }
                     });
    box->open();
}

}  // namespace

void QtMessages::inform(QWidget* parent, const QString& title, const QString& text,
                        std::function<void()> closed) {
    openBox(QMessageBox::Information, parent, title, text, QMessageBox::Ok,
            [closed = std::move(closed)](int) {
                if (closed) {
                    closed();
                }
            });
}

void QtMessages::confirm(QWidget* parent, const QString& title, const QString& text,
                         std::function<void(bool yes)> answered) {
    openBox(QMessageBox::Critical, parent, title, text, QMessageBox::Yes | QMessageBox::No,
            [answered = std::move(answered)](int result) { answered(result == QMessageBox::Yes); });
}

void QtMessages::warn(QWidget* parent, const QString& title, const QString& text,
                      std::function<void()> closed) {
    openBox(QMessageBox::Warning, parent, title, text, QMessageBox::Ok,
            [closed = std::move(closed)](int) {
                if (closed) {
                    closed();
                }
            });
}

}  // namespace kestrel::ui
