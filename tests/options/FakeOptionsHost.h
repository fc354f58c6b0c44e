#pragma once

#include <QString>

#include "FakeDisplay.h"
#include "Machine.h"
#include "MemorySettingsStore.h"
#include "Money.h"
#include "OptionsHost.h"
#include "PlayerRecordStore.h"
#include "ScriptedRandom.h"

namespace kestrel::test {

// The machine's window as the options dialog sees it: a real machine and record store over
// memory, and a face that records what the dialog asked of it.
class FakeOptionsHost final : public ui::OptionsHost {
public:
    Machine& machine() override { return machine_; }
    PlayerRecordStore& records() override { return records_; }
    DisplayMode& display() override { return *screen; }

    void showCredit() override {
        PANELBANK = QString::number(machine_.player().bank);
        Lblcredit = QString::fromStdString(dollars(machine_.player().bank));
    }
    void blankCredit() override {
        PANELBANK.clear();
        Lblcredit.clear();
    }
    void clearGameMeters() override { ++gameMetersCleared; }
    void setCaption(const QString& text) override { caption = text; }
    void showIdleReels() override { ++idleReelsShown; }
    void setReelSpeed(int reelspeed) override { stopTickSpeed = reelspeed; }

    MemorySettingsStore settings;
    ScriptedRandom random;
    FakeDisplay screen800;
    DisplayMode* screen = &screen800;

    QString PANELBANK = QStringLiteral("untouched");
    QString Lblcredit = QStringLiteral("untouched");
    QString caption = QStringLiteral("untouched");
    int idleReelsShown = 0;
    int gameMetersCleared = 0;
    int stopTickSpeed = -1;  // the speed the stop ticks were last set from; -1 never

private:
    Machine machine_{random};
    PlayerRecordStore records_{settings};
};

}  // namespace kestrel::test
