#include "TerminationSignals.h"

#include <QPointer>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

namespace kestrel {

namespace {

// The write end for the handler; -1 while no object listens.
std::atomic<int> handlerSocket{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads it without a lock");

extern "C" void onTerminationSignal(int number) {
    const int savedErrno = errno;
    const int socket = handlerSocket.load();
    if (socket >= 0) {
        const auto byte = static_cast<unsigned char>(number);
        // Non-blocking: should the socket be full, the signals already in it will do.
        (void)::send(socket, &byte, 1, MSG_DONTWAIT | MSG_NOSIGNAL);
    }
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (handlerSocket.load() >= 0) {
        qWarning("TerminationSignals: another object already receives the signals");
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets_.data()) !=
        0) {
        qWarning("TerminationSignals: no socket pair: %s", std::strerror(errno));
        return;
    }
    handlerSocket.store(sockets_[1]);
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &action, &previous_[i]);
    }
    notifier_ = new QSocketNotifier(sockets_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::deliverPending);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    delete notifier_;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    handlerSocket.store(-1);
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

void TerminationSignals::deliverPending() {
    unsigned char numbers[16];
    for (;;) {
        const ssize_t got = ::recv(sockets_[0], numbers, sizeof numbers, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return;  // EAGAIN: all read
        }
        const QPointer<TerminationSignals> alive(this);
        for (ssize_t i = 0; i < got; ++i) {
            emit received(numbers[i]);
            if (alive.isNull()) {
                return;  // a receiver ended the object's life
            }
        }
    }
}

}  // namespace kestrel
