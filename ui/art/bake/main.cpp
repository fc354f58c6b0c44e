// Renders the game's pictures into a directory at build time; the build embeds the result.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ArtBaker.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrel-artbake OUTPUT-DIRECTORY\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(target)) {
        std::fprintf(stderr, "kestrel-artbake: cannot create %s\n", argv[1]);
        return 1;
    }
    return kestrel::art::ArtBaker(QDir(target)).bake() ? 0 : 1;
}
