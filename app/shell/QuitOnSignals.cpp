#include "shell/QuitOnSignals.hpp"

#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>

namespace pellox::app {
namespace {

// The write end of the pipe, read by the signal handler: only async-signal-safe calls happen there.
volatile std::sig_atomic_t writeEnd = -1;

extern "C" void onQuitSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (writeEnd >= 0) {
        const ssize_t written = ::write(writeEnd, &byte, 1);
        (void)written;  // a full pipe already holds a quit request
    }
    errno = savedErrno;
}

void install(int signal, struct sigaction& previous) {
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, &previous);
}

}  // namespace

QuitOnSignals::QuitOnSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipe_.data()) != 0) return;
    writeEnd = pipe_[0];
    notifier_ = new QSocketNotifier(pipe_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitOnSignals::readSignal);
    connect(this, &QuitOnSignals::received, QCoreApplication::instance(), &QCoreApplication::quit,
            Qt::QueuedConnection);
    install(SIGTERM, previousTerm_);
    install(SIGINT, previousInt_);
    install(SIGHUP, previousHup_);
}

QuitOnSignals::~QuitOnSignals() {
    if (pipe_[0] < 0) return;
    ::sigaction(SIGTERM, &previousTerm_, nullptr);
    ::sigaction(SIGINT, &previousInt_, nullptr);
    ::sigaction(SIGHUP, &previousHup_, nullptr);
    writeEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void QuitOnSignals::readSignal() {
    unsigned char byte = 0;
    while (::read(pipe_[1], &byte, 1) == 1)
        emit received(byte);
}

}  // namespace pellox::app
