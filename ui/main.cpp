#include <QApplication>

#include "ArtBook.h"
#include "LinkOpener.h"
#include "MachineFrame.h"
#include "Messages.h"
#include "QSettingsStore.h"
#include "QtClock.h"
#include "QtSoundPlayer.h"
#include "RandomSource.h"
#include "kestrel.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    QApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kestrel"));

    kestrel::QtClock clock;
    kestrel::QtSoundPlayer sound;
    kestrel::QSettingsStore settings;
    kestrel::StdRandom random;
    const kestrel::ArtBook art;
    kestrel::ui::MachineFrame frame;
    kestrel::ui::QtMessages messages;
    kestrel::DesktopLinkOpener links;

    auto* window = new kestrel::ui::kestrel({clock, sound, settings, random, frame, art, messages, links, &frame});
    frame.setMachine(window);
    window->load();
    if (!frame.presentingFullScreen()) {
        frame.show();
    }
    frame.activateWindow();
    QObject::connect(window, &kestrel::ui::kestrel::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    return QApplication::exec();
}
