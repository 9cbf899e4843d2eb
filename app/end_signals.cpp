#include "app/end_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace almadex {
namespace {

int signal_pipe[2] = {-1, -1};

extern "C" void on_end_signal(int) {
    const char byte = 1;
    const int saved = errno; // a handler leaves errno as it found it
    (void)!::write(signal_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void quit_on_end_signals() {
    if (signal_pipe[0] >= 0 || ::pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(signal_pipe[0], bytes, sizeof bytes) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(s, &action, nullptr);
}

} // namespace almadex
