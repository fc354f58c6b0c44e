#pragma once

#include <QDialog>

#include "Messages.h"
#include "OptionsForm.h"
#include "OptionsHost.h"
#include "StatisticLines.h"

namespace kestrel::ui {

// The options dialog: the active player's statistics, the six player slots, the name, clearing
// the player's credit and statistics, reel speed, sounds, roll-up, payout and the display mode.
// Every change acts on the machine's player at once; the record is written when the dialog
// opens, on a name, on a delete and when the dialog closes. Every way of closing runs the same
// closing steps once and then reports closed(); the window may then delete the dialog (later).
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(OptionsHost& host, Messages& messages, QWidget* parent = nullptr);

    // The dialog's load: shows it, writes the active record, lists the slots, marks the options
    // and fills the statistics.
    void load();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;                         // Escape closes like the close box
    void keyPressEvent(QKeyEvent* event) override;  // Enter presses the button tabbed to
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();

    void machineClicked(int n);
    void nameEntered();
    void deleteClicked();
    void setspeedClicked(int k);
    void soundsClicked(int k);
    void wincounterClicked(int k);
    void AmtpayoutClicked(int k);
    void okClicked();
    void largeScreenClicked();
    void originalClicked();
    void unload();

    const PlayerRecord& player() const { return host_.machine().player(); }
    // Changes one of the player's settings through the machine.
    template <typename Change>
    void changeSettings(Change&& change) {
        PlayerSettings settings = host_.machine().settings();
        change(settings);
        host_.machine().changeSettings(settings);
    }
    int activeSlot() const;  // 1..6, or 0 when the active slot is none of them
    QString nameInCapitals() const;
    void writeRecord();
    void showSlotName(int n);
    void markOptions();
    void fillStatistics(StatisticsMoment moment);
    void showPlayerOnWindow();

    OptionsHost& host_;
    Messages& messages_;
    OptionsForm c_;
    bool unloaded_ = false;
};

}  // namespace kestrel::ui
