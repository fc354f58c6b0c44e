#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "Controls.h"
#include "FakeDisplay.h"
#include "MachineWindow.h"
#include "MemorySettingsStore.h"
#include "PictureBook.h"
#include "PictureButton.h"
#include "ScriptedLinks.h"
#include "ScriptedMessages.h"
#include "ScriptedRandom.h"
#include "SoundLog.h"
#include "VirtualClock.h"
#include "Windows.h"

namespace kestrel::test {

// The machine's window on a virtual clock, scripted reels, a recorded sound player and an
// in-memory settings store. Tests press controls by name and advance time.
class WindowFixture : public ::testing::Test {
public:  // parameterised tests act on the fixture from outside it
    static const ArtBook& art() { return book(); }

    // Creates and loads the window; the store may be prepared before.
    void open() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            earlierWindows.emplace_back(w);
        }
        window = std::make_unique<ui::MachineWindow>(
            ui::Services{clock, sounds, settings, random, display, art(), messages, links});
        window->load();
        window->show();
        clock.settle();
    }

    // A player record in slot 1 before the window opens.
    void storePlayer(int bank, int reelspeed = 1, bool soundsOn = true) {
        settings.setValue("player1", "bank", QString::number(bank));
        settings.setValue("player1", "reelspeed", QString::number(reelspeed));
        settings.setValue("player1", "soundonoff", soundsOn ? "-1" : "0");
        settings.setValue("player1", "currentplayer", "bob");
    }
    // That player, then the window.
    void openWith(int bank, int reelspeed = 1, bool soundsOn = true) {
        storePlayer(bank, reelspeed, soundsOn);
        open();
    }

    template <typename T = QWidget>
    T* control(const QString& name) const {
        return findControl<T>(window.get(), name);
    }
    QString text(const QString& name) const { return labelText(window.get(), name); }
    ClockTimer* timer(const QString& name) const { return control<ClockTimer>(name); }

    // A mouse press and release on a picture button.
    void press(const QString& name) {
        auto* button = control<ui::PictureButton>(name);
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        clock.settle();
    }
    // A click on a push button (the menu's items, the views' buttons).
    void click(const QString& name) {
        control<QAbstractButton>(name)->click();
        clock.settle();
    }
    // A dialog or window a failed test left open is closed while its machine is still there.
    void TearDown() override {
        if (window == nullptr) {
            return;
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != window.get() && w->isVisible() && !isEarlierWindow(w)) {
                w->close();
            }
        }
        clock.settle();
    }

    // A shown top-level window (a dialog, the pay table) by its object name, opened since this
    // test's window was.
    QWidget* topLevel(const QString& name) const {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible() && !isEarlierWindow(w)) {
                return w;
            }
        }
        return nullptr;
    }
    bool isEarlierWindow(const QWidget* w) const {
        return std::any_of(earlierWindows.begin(), earlierWindows.end(),
                           [w](const QPointer<QWidget>& earlier) { return earlier == w; });
    }
    // A control of the shown options dialog.
    template <typename T>
    T* inDialog(const QString& name) const {
        QWidget* dialog = topLevel("frmkestreloptions");
        return dialog == nullptr ? nullptr : dialog->findChild<T*>(name);
    }
    void clickInDialog(const QString& name) {
        auto* button = inDialog<QAbstractButton>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        button->click();
        clock.settle();
    }
    // The mouse moving over a control (or the window itself), no button down.
    void hover(QWidget* widget, QPoint at = {2, 2}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
        clock.settle();
    }
    void key(Qt::Key k) {
        QTest::keyClick(window.get(), k);
        clock.settle();
    }

    // Presses play button k for a paid spin onto the given stops.
    void startSpin(const std::array<int, kReels>& stops, int k = 1, int acceptance = 1) {
        random.pushSpin(stops, acceptance);
        press(QStringLiteral("pplay%1").arg(k));
    }
    // ... and lets it turn and settle.
    void spin(const std::array<int, kReels>& stops, int k = 1, int acceptance = 1) {
        startSpin(stops, k, acceptance);
        clock.advance(5000);
    }
    // Advances the clock in 100 ms steps until `done` holds or `limitMs` have passed; returns
    // whether it holds.
    template <typename Predicate>
    bool advanceUntil(Predicate done, qint64 limitMs) {
        for (qint64 waited = 0; waited < limitMs && !done(); waited += 100) {
            clock.advance(100);
        }
        return done();
    }
    // Lets the machine play free spins by itself, each a loss, until `spins` more have settled.
    void playFreeSpins(int spins) {
        for (int i = 0; i < spins; ++i) {
            random.pushSpin(kLosingStops);
        }
        const int target = window->machine().freeSpins().played() + spins;
        advanceUntil([&] { return window->machine().freeSpins().played() >= target; },
                     spins * 8000);
        clock.advance(300);
    }
    // How many of the reel window's cells show.
    int cellsShown() const {
        int shown = 0;
        for (int c = 1; c <= kCells; ++c) {
            shown += control(QStringLiteral("flasher%1").arg(c))->isVisible() ? 1 : 0;
        }
        return shown;
    }

    VirtualClock clock;
    SoundLog sounds{clock};
    MemorySettingsStore settings;
    ScriptedRandom random;
    FakeDisplay display;
    ScriptedMessages messages;
    ScriptedLinks links;
    std::unique_ptr<ui::MachineWindow> window;
    std::vector<QPointer<QWidget>> earlierWindows;  // top-level windows there before open()
};

}  // namespace kestrel::test
