#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace kestrel {

// Turns SIGTERM (a logout or `kill`), SIGINT (Ctrl+C) and SIGHUP (the terminal closing) into
// received(), delivered later by the event loop of the thread that made the object, so that
// the game ends through its own shutdown and saves the records instead of dying on the spot.
// The signal handler only writes the signal's number into a socket pair, which is safe inside
// a handler; a QSocketNotifier reads it there. Every signal is delivered, so a second Ctrl+C
// arrives as a second received(). Only one object may exist at a time; a second one stays
// inactive. Destroying it puts back the handlers that were there before.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False when the handlers could not be set up: the signals then end the program as usual.
    bool isActive() const { return notifier_ != nullptr; }

signals:
    void received(int signalNumber);

private:
    void deliverPending();

    std::array<int, 2> sockets_ = {-1, -1};  // read end, write end
    std::array<struct sigaction, kSignals.size()> previous_{};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kestrel
