// kestrel-scenes OUTDIR: plays scripted moments of the game in the real window on a virtual
// clock and saves a picture of each, for looking at states that chance rarely brings (a
// five-line win mid-flash, a free-spin feature, the gamble) without waiting for them.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMap>
#include <QTest>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>

#include "ArtBook.h"
#include "LinkOpener.h"
#include "MachineWindow.h"
#include "Messages.h"
#include "PictureButton.h"
#include "RandomSource.h"
#include "SettingsStore.h"
#include "SoundPlayer.h"
#include "VirtualClock.h"

namespace {

using namespace kestrel;

// Draws what was queued, then falls back to a seeded generator.
class QueuedRandom final : public RandomSource {
public:
    int uniform(int n) override {
        if (queue.empty()) {
            return fallback.uniform(n);
        }
        const int v = queue.front();
        queue.pop_front();
        return v;
    }
    void pushSpin(std::initializer_list<int> stops) {
        queue.insert(queue.end(), stops);
        queue.push_back(1);  // the outcome stands
    }
    std::deque<int> queue;
    StdRandom fallback{1969};
};

class MemoryStore final : public SettingsStore {
public:
    QString value(const QString& s, const QString& k) const override {
        return values.value(s + '/' + k);
    }
    void setValue(const QString& s, const QString& k, const QString& v) override {
        values[s + '/' + k] = v;
    }
    bool sync() override { return true; }
    QMap<QString, QString> values;
};

class Silence final : public SoundPlayer {
public:
    void play(int, bool) override {}
};

class Screen800 final : public DisplayMode {
public:
    QSize screenSize() const override { return {800, 600}; }
    void switchTo800x600() override {}
    void restore() override {}
    bool presentingFullScreen() const override { return false; }
};

// Every box is closed at once; a question is answered No.
class NoMessages final : public ui::Messages {
public:
    void inform(QWidget*, const QString&, const QString&, std::function<void()> closed) override {
        if (closed) {
            closed();
        }
    }
    void confirm(QWidget*, const QString&, const QString&,
                 std::function<void(bool)> answered) override {
        answered(false);
    }
    void warn(QWidget*, const QString&, const QString&, std::function<void()> closed) override {
        if (closed) {
            closed();
        }
    }
};

class NoLinks final : public LinkOpener {
public:
    LinkResult open(const QUrl&) override { return {true, {}}; }
};

// One fresh machine per scene.
struct Stage {
    explicit Stage(const ArtBook& art, int bank = 20000) {
        store.setValue("player1", "bank", QString::number(bank));
        store.setValue("player1", "reelspeed", "1");
        store.setValue("player1", "winroll", "1");
        store.setValue("player1", "currentplayer", "Ann");
        window = std::make_unique<ui::MachineWindow>(
            ui::Services{clock, sound, store, random, display, art, messages, links});
        window->load();
        window->show();
        clock.settle();
    }
    void press(const char* name) {
        QWidget* w = window->findChild<QWidget*>(name);
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
        clock.settle();
    }
    void spin(std::initializer_list<int> stops, const char* button = "pplay1") {
        random.pushSpin(stops);
        press(button);
        clock.advance(1600);
    }
    bool save(const QString& dir, const char* name) {
        const QString path = QDir(dir).filePath(QString::fromLatin1(name) + ".png");
        const bool ok = window->grab().save(path);
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
        return ok;
    }

    VirtualClock clock;
    Silence sound;
    MemoryStore store;
    QueuedRandom random;
    Screen800 display;
    NoMessages messages;
    NoLinks links;
    std::unique_ptr<ui::MachineWindow> window;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: kestrel-scenes OUTDIR\n");
        return 2;
    }
    // The scenes are rendered off screen; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const ArtBook art;
    bool ok = true;
    const auto scene = [&](const std::function<void(Stage&)>& play, int bank = 20000) {
        Stage stage(art, bank);
        play(stage);
    };

    scene([&](Stage& s) { ok &= s.save(out, "idle"); });
    scene([&](Stage& s) {
        s.spin({2, 1, 4, 1, 1});  // five winning lines, one through a wild
        s.clock.advance(400);
        ok &= s.save(out, "five-line-flash");
    });
    scene([&](Stage& s) {
        s.spin({1, 1, 2, 1, 1});  // a scatter and a wild: the couple dances
        s.clock.advance(300);
        ok &= s.save(out, "scatter-dance");
    });
    scene([&](Stage& s) {
        s.press("coinsin");
        s.clock.advance(450);
        ok &= s.save(out, "coins");
    });
    scene(
        [&](Stage& s) {
            s.press("pplay1");
            ok &= s.save(out, "no-credit");
        },
        10);
    scene([&](Stage& s) {
        s.spin({1, 1, 1, 1, 1});  // three specials
        s.clock.advance(300);
        ok &= s.save(out, "free-spins-won");
        s.clock.advance(2500);
        ok &= s.save(out, "free-spins-left");
        for (int i = 0; i < 10; ++i) {
            s.random.pushSpin({2, 6, 10, 1, 1});
        }
        s.clock.advance(72000);
        ok &= s.save(out, "free-spins-completed");
        s.press("takewin");
        s.clock.advance(500);
        ok &= s.save(out, "free-spins-taken");
    });
    scene([&](Stage& s) {
        s.spin({1, 1, 2, 1, 1}, "pplay5");  // a win of 250
        s.clock.advance(6000);
        s.press("doublebutton");
        ok &= s.save(out, "gamble-open");
        s.random.queue = {1};
        QTest::mouseClick(s.window->findChild<QWidget*>("betred"), Qt::LeftButton);
        s.clock.advance(100);
        ok &= s.save(out, "gamble-won");
        s.random.queue = {2, 4, 3};
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(s.window->findChild<QWidget*>(i == 1 ? "betred" : "betblack"),
                              Qt::LeftButton);
            s.clock.advance(600);
        }
        ok &= s.save(out, "gamble-history");
    });
    scene([&](Stage& s) {
        s.press("payline2");
        s.spin({2, 3, 1, 1, 1});
        s.clock.advance(1000);
        ok &= s.save(out, "five-lines-played");
    });
    scene([&](Stage& s) {
        // A session: five winning lines, a feature with a win among its free spins, a win
        // gambled twice and collected, a loss; then the last games, page by page.
        s.spin({2, 1, 4, 1, 1}, "pplay2");
        s.clock.advance(8000);
        s.spin({1, 1, 1, 1, 1});
        s.random.pushSpin({2, 1, 4, 1, 1});
        for (int i = 1; i < 10; ++i) {
            s.random.pushSpin({2, 6, 10, 1, 1});
        }
        s.clock.advance(72000);
        s.press("takewin");
        s.clock.advance(8000);
        s.spin({1, 1, 2, 1, 1}, "pplay5");
        s.clock.advance(6000);
        s.press("doublebutton");
        s.random.queue = {1, 2};
        for (const char* call : {"betred", "suitbet2"}) {  // red, then clubs
            QTest::mouseClick(s.window->findChild<QWidget*>(call), Qt::LeftButton);
            s.clock.advance(3000);
        }
        QTest::mouseClick(s.window->findChild<QWidget*>("cancelbet"), Qt::LeftButton);
        s.clock.advance(3000);
        s.spin({2, 6, 10, 1, 1});
        s.clock.advance(3000);
        emit s.window->findChild<ui::PictureButton*>("btnopenmenu")->mouseMoved();
        ok &= s.save(out, "menu");
        QTest::mouseClick(s.window->findChild<QWidget*>("lastgames"), Qt::LeftButton);
        s.clock.settle();
        ok &= s.save(out, "last-games-newest");
        const auto previous = [&](int times) {
            for (int i = 0; i < times; ++i) {
                QTest::mouseClick(s.window->findChild<QWidget*>("lastgamesprevious"),
                                  Qt::LeftButton);
            }
            s.clock.settle();
        };
        previous(1);
        ok &= s.save(out, "last-games-gamble");
        previous(10);
        ok &= s.save(out, "last-games-free-spin");
        previous(1);
        ok &= s.save(out, "last-games-feature");
        previous(1);
        ok &= s.save(out, "last-games-lines");
    });
    return ok ? 0 : 1;
}
