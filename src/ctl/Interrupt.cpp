#include "ctl/Interrupt.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace breezekit::ctl {

namespace {
std::atomic<bool> g_interrupted{false};
int g_pipe[2] = {-1, -1};

void onSignal(int) {
    g_interrupted = true;
    const char byte = 1;
    // a full pipe already wakes the loop, so a failed write loses nothing
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}
} // namespace

void installInterruptHandler() {
    if (g_pipe[0] >= 0) return;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    // The application owns it, so it goes before the event dispatcher does.
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char buffer[16];
        while (::read(g_pipe[0], buffer, sizeof buffer) > 0) {
        }
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool interrupted() {
    return g_interrupted;
}

void setInterrupted(bool value) {
    g_interrupted = value;
}

} // namespace breezekit::ctl
