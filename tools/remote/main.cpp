// kestrel-remote: the program as the player runs it (the same MachineApp, records and clock),
// with the player's presses coming in on standard input, one word a line:
//   autoplay   switches autoplay on (again, when it stopped for lack of credit)
//   note       inserts a note
//   spin       presses the bet of the moment
//   lastgames  opens the last games from the menu and says "lastgames " and the title of the game
//              shown, or "lastgames closed" when the machine is not at rest
// It says "up" once the machine is loaded and shown, and "done <word>" after each press. The
// system tests use it to play the real program and cut it off at any moment. The first autoplay
// of a fresh records folder shows its one-time notice, which nothing here closes: write
// "[notice]" / "autoplay=-1" into the records first, as the system tests do.
#include <unistd.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSocketNotifier>
#include <cstdio>

#include "Bets.h"
#include "MachineApp.h"
#include "PictureButton.h"

namespace {

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

void press(kestrel::ui::MachineWindow& window, const QString& name) {
    if (auto* button = window.findChild<kestrel::ui::PictureButton*>(name)) {
        emit button->mouseDown();
        emit button->mouseUp();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    kestrel::ui::MachineApp machine;
    if (!machine.running()) {
        return QApplication::exec();
    }
    kestrel::ui::MachineWindow& window = machine.window();
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;  // a line not yet ended: a read may stop in the middle of a word
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char chunk[256];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(chunk, n);
        const qsizetype end = pending.lastIndexOf('\n');
        if (end < 0) {
            return;
        }
        const QByteArray lines = pending.first(end);
        pending.remove(0, end + 1);
        for (const QByteArray& word : lines.split('\n')) {
            if (word == "autoplay") {
                press(window, QStringLiteral("autoplayon"));
            } else if (word == "note") {
                press(window, QStringLiteral("notes"));
            } else if (word == "spin") {
                press(window, QStringLiteral("pplay%1").arg(
                                  kestrel::playButtonOfBet(window.machine().betPerLine())));
            } else if (word == "lastgames") {
                emit window.findChild<kestrel::ui::PictureButton*>(QStringLiteral("btnopenmenu"))
                    ->mouseMoved();
                window.findChild<QPushButton*>(QStringLiteral("lastgames"))->click();
                const auto* title = window.findChild<QLabel*>(QStringLiteral("lastgamestitle"));
                say(window.mode() == kestrel::ui::Mode::LastGames
                        ? ("lastgames " + title->text()).toUtf8().constData()
                        : "lastgames closed");
            } else {
                continue;
            }
            say(("done " + word).constData());
        }
    });
    say("up");
    return QApplication::exec();
}
