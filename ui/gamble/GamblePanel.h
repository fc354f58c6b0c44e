#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "ArtBook.h"
#include "CardHistory.h"
#include "Clock.h"
#include "Machine.h"
#include "PictureSlide.h"
#include "Sequencer.h"

namespace kestrel::ui {

// Plays RESOURCE_ID_<resource>, or nothing when the player has switched sounds off.
using SoundCue = std::function<void(int resource)>;

// `pandouble`: the double-or-nothing panel shown over the reels while a gamble is open. It
// draws the cards through the Machine, reveals them, keeps the card history and plays the
// gamble's sounds. The window's own controls (meters, bet buttons, timers, keys) stay the
// window's: it learns the outcome from lost() and collected().
//
// While a card is being revealed and announced every guess button and collect are disabled
// and presses are not acted on; they come back when the win picture has come to rest, so a
// press made during the reveal can never become a second guess. The reveal and the pause after
// a loss are steps on the window's sequencer.
class GamblePanel : public QWidget {
    Q_OBJECT
public:
    GamblePanel(QWidget* window, Machine& machine, Clock& clock, Sequencer& sequence,
                Presentation& presentation, SoundCue sound);

    // Opens the gamble on the pending win: stakes it through the Machine, shows the card back,
    // the stakes and the panel. False (and nothing changed) when the Machine offers no gamble.
    bool open();
    // Shows the gamble the machine holds open already (taken up after a power cut): the amount
    // at risk and the cards drawn in it so far.
    void reopen();

    // `gambleCount`: cards drawn since the panel was made, as the history ring counts them.
    int gambleCount() const { return history_.count(); }
    // A card is being revealed or its outcome announced; no press is taken.
    bool isBusy() const { return state_ == State::Busy; }

signals:
    // A guess was decided by the machine (its card is about to be revealed).
    void guessed();
    // A wrong guess: the lose pause is over and the panel is hidden; the stake is gone.
    void lost();
    // The amount at stake was paid into the credit and the panel is hidden.
    void collected(std::int32_t amount);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class State { Closed, Open, Busy };

    void guessColour(CardColour colour);
    void guessSuit(int suit);
    void collect();

    void present();
    bool acceptsPress() const;
    void beginDraw();
    void reveal(int card, int frameMs);
    void recordCard(int card);
    QPixmap icon(int card, int side) const;
    void showPictures();  // icons, history and card, at the scale in force
    void showIcons();
    void showCard(int card);  // 0: the back
    void announce(const GuessResult& guess, int rightSound);
    void guessWon();
    void guessLost();
    void lostPauseOver();
    void slideRested();
    void showStakes();
    void setPressesEnabled(bool enabled);
    void play(int resource) const;

    Machine& machine_;
    Sequencer& sequence_;
    Presentation& presentation_;
    SoundCue sound_;
    State state_ = State::Closed;
    int shownCard_ = 0;       // the face on the holder, 0 for the back
    bool revealing_ = false;  // the holder shows the frames of a card being revealed

    QLabel* piccardholder_;
    std::array<QPushButton*, 5> suitbet_{};
    QPushButton* betred_;
    QPushButton* betblack_;
    QPushButton* cancelbet_;
    QLabel* risklab_;
    QLabel* lblblackred_;
    QLabel* lblsuit_;
    QLabel* gamblewin_;
    QLabel* gamblelose_;
    CardHistory history_;
    PictureSlide* winSlide_;
    PictureSlide* loseSlide_;
};

}  // namespace kestrel::ui
