#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "WindowFixture.h"

namespace kestrel {
namespace {

using test::kLosingStops;

class Records : public test::WindowFixture {
protected:
    QString notice() const {
        QWidget* label = control("storenotice");
        return label->isVisible() ? control<QLabel>("storenotice")->text() : QString();
    }
    // Opens the options and closes them with O.K.: a moment the record is saved.
    void saveThroughTheOptions() {
        press("btnoptions");
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmkestreloptions" && w->isVisible()) {
                w->findChild<QPushButton*>("btnokplayer")->click();
            }
        }
        clock.settle();
    }
};

// Records that cannot be read: the player is told which file and why, and plays on from
// nothing; the file is never written over.
TEST_F(Records, AnUnreadableFileIsNamedAndTheGameGoesOn) {
    storePlayer(1000);
    settings.failReads("there is no permission to read it");
    open();
    EXPECT_TRUE(notice().contains(test::MemorySettingsStore::kFile));
    EXPECT_TRUE(notice().contains("there is no permission to read it"));
    EXPECT_EQ(window->machine().player().bank, 0);
    press("notes");
    spin(kLosingStops);
    EXPECT_EQ(window->machine().player().games, 1);
    saveThroughTheOptions();
    EXPECT_TRUE(notice().contains("could not be read"));
}

// A save that fails is shown until one succeeds.
TEST_F(Records, AFailedSaveIsShownUntilTheNextOneSucceeds) {
    storePlayer(1000);
    open();
    EXPECT_EQ(notice(), "");
    settings.failWrites("the disk is full");
    saveThroughTheOptions();
    EXPECT_EQ(notice(), QStringLiteral("Could not save the player records to %1: the disk is full.")
                            .arg(test::MemorySettingsStore::kFile));
    spin(kLosingStops);  // the game goes on
    settings.failWrites(QString());
    saveThroughTheOptions();
    EXPECT_EQ(notice(), "");
}

}  // namespace
}  // namespace kestrel
