#include <QApplication>

#include "ArtBook.h"
#include "MachineFrame.h"
#include "Messages.h"
#include "QSettingsStore.h"
#include "QtClock.h"
#include "SoundPlayer.h"
#include "RandomSource.h"
#include "kestrel.h"

namespace {
// Silence until the sound player lands.
class SilentSoundPlayer final : public kestrel::SoundPlayer {
public:
    void play(int, bool) override {}
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    QApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kestrel"));

    kestrel::QtClock clock;
    SilentSoundPlayer sound;
    kestrel::QSettingsStore settings;
    kestrel::StdRandom random;
    const kestrel::ArtBook art;
    kestrel::ui::MachineFrame frame;
    kestrel::ui::QtMessages messages;

    auto* window = new kestrel::ui::kestrel({clock, sound, settings, random, frame, art, messages});
    frame.setMachine(window);
    window->load();
    if (!frame.presentingFullScreen()) {
        frame.show();
    }
    QObject::connect(window, &kestrel::ui::kestrel::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    return QApplication::exec();
}
