#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

#include "Cards.h"
#include "Controls.h"
#include "GamblePanel.h"
#include "Layout.h"
#include "PictureBook.h"
#include "Players.h"
#include "QStringPrinter.h"
#include "ScriptedRandom.h"
#include "Sequencer.h"
#include "VirtualClock.h"

namespace kestrel::test {

// The gamble panel alone on a bare window, with a machine on scripted cards, a virtual clock
// and a record of the sounds it asked for.
class GambleFixture : public ::testing::Test {
protected:
    static const ArtBook& art() { return book(); }

    GambleFixture() {
        machine.switchPlayer(playerWithCredit(10000));
        window.resize(layout::kWindow);
        presentation = new Presentation(&window, art());
        panel = new ui::GamblePanel(&window, machine, clock, sequence, *presentation,
                                    [this](int resource) { sounds.push_back(resource); });
        QObject::connect(panel, &ui::GamblePanel::lost, [this] { lostAt.push_back(clock.now()); });
        QObject::connect(panel, &ui::GamblePanel::collected,
                         [this](std::int32_t amount) { collectedAmounts.push_back(amount); });
        window.show();
        clock.settle();
    }

    // Settles a paid win of the total bet (two specials) on lines × the bet of play button k
    // and opens the gamble on it; bankBefore is the credit with the win paid.
    void openOnAWin(int lines, int k) {
        random.pushSpin({1, 1, 2, 1, 1});
        machine.setLinesPlayed(lines);
        ASSERT_EQ(machine.play(k), PlayResult::Paid);
        machine.settle();
        bankBefore = machine.player().bank;
        totalBefore = machine.player().total;
        ASSERT_TRUE(panel->open());
    }

    template <typename T = QWidget>
    T* control(const QString& name) const {
        return findControl<T>(panel, name);
    }
    QString text(const QString& name) const { return labelText(panel, name); }

    // Draws the given card and presses the button, then lets the reveal and what follows run
    // to its end: the win picture at rest, or the panel closed after a loss.
    void guess(const QString& button, int card) {
        random.push({card});
        click(button);
        for (int t = 0; t < 100 && panel->isBusy(); ++t) {
            clock.advance(50);
        }
        EXPECT_FALSE(panel->isBusy());
    }
    void click(const QString& button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    // The button that guesses this card's colour.
    static QString colourOf(int card) { return card % 2 == 1 ? "betred" : "betblack"; }

    // The guess buttons and collect, all enabled or all disabled.
    bool pressesEnabled() const { return enabledPresses() == 7; }
    bool pressesDisabled() const { return enabledPresses() == 0; }
    int enabledPresses() const {
        int enabled = 0;
        for (const char* name :
             {"betred", "betblack", "cancelbet", "suitbet1", "suitbet2", "suitbet3", "suitbet4"}) {
            enabled += control<QPushButton>(name)->isEnabled() ? 1 : 0;
        }
        return enabled;
    }

    VirtualClock clock;
    QObject sequenceOwner;
    Sequencer sequence{clock, &sequenceOwner};
    ScriptedRandom random;
    Machine machine{random};
    QWidget window;
    Presentation* presentation = nullptr;
    ui::GamblePanel* panel = nullptr;
    std::vector<int> sounds;
    std::vector<qint64> lostAt;
    std::vector<std::int32_t> collectedAmounts;
    std::int32_t bankBefore = 0;
    std::int32_t totalBefore = 0;
};

// Runs a check on the virtual clock every intervalMs, also while the panel pauses.
class Probe {
public:
    Probe(Clock& clock, int intervalMs, std::function<void()> check)
        : timer_(clock.createTimer(&owner_, intervalMs)) {
        QObject::connect(timer_, &ClockTimer::timeout, std::move(check));
        timer_->start();
    }
    void stop() { timer_->stop(); }

private:
    QObject owner_;
    ClockTimer* timer_;
};

}  // namespace kestrel::test
