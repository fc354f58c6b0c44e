#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "Controls.h"
#include "FakeOptionsHost.h"
#include "OptionsDialog.h"
#include "QStringPrinter.h"
#include "ScriptedMessages.h"
#include "VirtualClock.h"

namespace kestrel::test {

// The options dialog over a fake window, an in-memory store, scripted message boxes and a
// virtual clock. Tests prepare the player and the store, open the dialog and press its
// controls by name.
class OptionsFixture : public ::testing::Test {
protected:
    const PlayerRecord& player() { return host.machine().player(); }
    // A settled paid spin on one line that wins one credit back (two specials).
    void winOneCredit() {
        host.random.pushSpin({1, 1, 2, 1, 1});
        host.machine().setLinesPlayed(1);
        ASSERT_EQ(host.machine().play(1), PlayResult::Paid);
        host.machine().settle();
    }
    // The active record as the store would have handed it over.
    void setPlayer(PlayerRecord record) { host.machine().switchPlayer(std::move(record)); }

    // A stored slot, as an earlier run left it.
    void storeSlot(int slot, const QString& name, int games = 0, int bank = 0) {
        const QString section = QStringLiteral("player%1").arg(slot);
        host.settings.setValue(section, "currentplayer", name);
        host.settings.setValue(section, "games", QString::number(games));
        host.settings.setValue(section, "bank", QString::number(bank));
    }
    QString stored(int slot, const char* key) const {
        return host.settings.value(QStringLiteral("player%1").arg(slot), QLatin1String(key));
    }

    void open() {
        dialog = std::make_unique<ui::OptionsDialog>(host, messages);
        QObject::connect(dialog.get(), &ui::OptionsDialog::closed, [this] { ++closings; });
        dialog->load();
        clock.settle();
    }

    template <typename T = QWidget>
    T* control(const QString& name) const {
        return findControl<T>(dialog.get(), name);
    }
    QString text(const QString& name) const { return labelText(dialog.get(), name); }
    QString caption(const QString& name) const { return control<QAbstractButton>(name)->text(); }
    bool marked(const QString& name) const { return control<QAbstractButton>(name)->isChecked(); }
    void click(const QString& name) {
        control<QAbstractButton>(name)->click();
        clock.settle();
    }
    // Types into the name entry and presses Enter.
    void enterName(const QString& typed) {
        auto* box = control<QLineEdit>("player1");
        box->setText(typed);
        QTest::keyClick(box, Qt::Key_Return);
        clock.settle();
    }

    FakeOptionsHost host;
    VirtualClock clock;
    ScriptedMessages messages;
    std::unique_ptr<ui::OptionsDialog> dialog;
    int closings = 0;
};

}  // namespace kestrel::test
