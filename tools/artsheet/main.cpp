// kestrel-artsheet OUT.png [SECTION ...]: renders the art book as a labelled contact sheet — every
// picture list (name and index under each picture), the single pictures, the buttons in both
// looks and the background — for reviewing the art in one look. Naming sections (a list's name,
// "pictures", "buttons", "background" or "preview") renders only those. Prints how long the book
// took to build, to fetch the pictures the window shows in its first frame, and to fetch all the
// rest.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <ctime>

#include "ArtBook.h"
#include "ArtCatalogue.h"
#include "ContactSheet.h"
#include "WindowPreview.h"

using kestrel::ArtBook;

namespace {

// What the window fetches before its first frame: the cabinet and every single picture but the
// pay table (banners, panels and coins are created hidden), both looks of every button, the idle
// reels, the lit payline markers and the four suit icons of the gamble panel.
void fetchFirstFrame(const ArtBook& book) {
    using kestrel::Picture;
    using kestrel::PictureList;
    for (int i = 0; i < kestrel::kPictureCount; ++i) {
        if (static_cast<Picture>(i) != Picture::PayTable) {
            book.picture(static_cast<Picture>(i));
        }
    }
    for (int i = 0; i < kestrel::kButtonArtCount; ++i) {
        book.button(static_cast<kestrel::ButtonArt>(i), true);
        book.button(static_cast<kestrel::ButtonArt>(i), false);
    }
    for (int k = 12; k <= 16; ++k) {
        book.picture(PictureList::spinlist, k);
    }
    for (int k = 1; k <= 25; ++k) {
        book.picture(PictureList::linepics, k);
    }
    for (int k = 6; k <= 9; ++k) {
        book.picture(PictureList::imagelistcards, k);
    }
}

void fetchEverything(const ArtBook& book) {
    for (int i = 0; i < kestrel::kPictureListCount; ++i) {
        const auto list = static_cast<kestrel::PictureList>(i);
        for (int k = 1; k <= book.count(list); ++k) {
            book.picture(list, k);
        }
    }
    for (int i = 0; i < kestrel::kPictureCount; ++i) {
        book.picture(static_cast<kestrel::Picture>(i));
    }
    for (int i = 0; i < kestrel::kButtonArtCount; ++i) {
        book.button(static_cast<kestrel::ButtonArt>(i), false);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList sections;
    for (int i = 0; i < kestrel::kPictureListCount; ++i) {
        sections << ArtBook::listName(static_cast<kestrel::PictureList>(i));
    }
    sections << QStringLiteral("pictures") << QStringLiteral("buttons")
             << QStringLiteral("background") << QStringLiteral("preview");
    const auto usage = [&] {
        std::fprintf(stderr, "usage: kestrel-artsheet OUT.png [SECTION ...]\nsections: %s\n",
                     qPrintable(sections.join(u' ')));
        return 2;
    };
    if (argc < 2 || argv[1][0] == '-') {
        return usage();
    }
    QStringList wanted;
    for (int i = 2; i < argc; ++i) {
        wanted << QString::fromLocal8Bit(argv[i]);
        if (!sections.contains(wanted.back())) {
            std::fprintf(stderr, "kestrel-artsheet: no section %s\n", argv[i]);
            return usage();
        }
    }
    const auto show = [&](const QString& section) {
        return wanted.isEmpty() || wanted.contains(section);
    };

    // Wall time, and the process's CPU time, which a busy machine does not inflate.
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    const auto cpu = [&] { return 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC; };
    const ArtBook book;
    const double built = timer.nsecsElapsed() / 1e6;
    fetchFirstFrame(book);
    const double firstFrame = timer.nsecsElapsed() / 1e6;
    const double firstFrameCpu = cpu();
    fetchEverything(book);
    std::printf(
        "art book: built in %.1f ms; first frame's pictures in %.1f ms (%.1f ms CPU); "
        "every picture in %.1f ms (%.1f ms CPU)\n",
        built, firstFrame, firstFrameCpu, timer.nsecsElapsed() / 1e6, cpu());

    kestrel::ContactSheet sheet(2200);
    for (int i = 0; i < kestrel::kPictureListCount; ++i) {
        const auto list = static_cast<kestrel::PictureList>(i);
        const QString name = ArtBook::listName(list);
        if (!show(name)) {
            continue;
        }
        sheet.section(QStringLiteral("%1 (%2)").arg(name).arg(book.count(list)));
        for (int k = 1; k <= book.count(list); ++k) {
            sheet.add(book.picture(list, k), QStringLiteral("%1 %2").arg(name).arg(k));
        }
    }
    if (show(QStringLiteral("pictures"))) {
        sheet.section(QStringLiteral("pictures"));
        for (int i = 1; i < kestrel::kPictureCount; ++i) {
            const auto picture = static_cast<kestrel::Picture>(i);
            sheet.add(book.picture(picture), QLatin1String(kestrel::art::entry(picture).name));
        }
    }
    if (show(QStringLiteral("buttons"))) {
        sheet.section(QStringLiteral("buttons: raised, then disabled"));
        for (bool enabled : {true, false}) {
            for (int i = 0; i < kestrel::kButtonArtCount; ++i) {
                sheet.add(book.button(static_cast<kestrel::ButtonArt>(i), enabled),
                          QLatin1String(kestrel::art::kButtonNames[i]));
            }
        }
    }
    if (show(QStringLiteral("background"))) {
        sheet.section(QStringLiteral("Background (pressed buttons at their places)"));
        sheet.add(book.picture(kestrel::Picture::Background), QStringLiteral("Background"));
    }
    if (show(QStringLiteral("preview"))) {
        sheet.section(QStringLiteral("preview: the window at start, and in play"));
        sheet.add(kestrel::startPreview(book), QStringLiteral("start"));
        sheet.add(kestrel::playPreview(book), QStringLiteral("in play"));
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!sheet.render().save(out)) {
        std::fprintf(stderr, "kestrel-artsheet: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("contact sheet written to %s\n", argv[1]);
    return 0;
}
