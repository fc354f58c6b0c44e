#include <gtest/gtest.h>

#include <QCoreApplication>

// The player's tests run without any audio device, whatever the machine has: Qt Multimedia's
// sound server on Linux, PulseAudio, is pointed at a socket that does not exist.
int main(int argc, char** argv) {
    qputenv("PULSE_SERVER", "unix:/nonexistent/kestrel-sound-test");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
