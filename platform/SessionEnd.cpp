#include "platform/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

SessionEndHandlers& handlers() {
    static SessionEndHandlers installed;
    return installed;
}

int signalPipe[2] = {-1, -1};

extern "C" void onSignal(int number) {
    const int saved = errno;
    const char byte = char(number);
    (void)!::write(signalPipe[1], &byte, 1);
    errno = saved;
}

void keepUnsaved() {
    if (handlers().keepUnsaved) handlers().keepUnsaved();
}

void setUp() {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        keepUnsaved();
        handlers() = {};
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGHUP, SIGINT})
        sigaction(number, &action, nullptr);
    // Qt ends the program with exit() when its display goes away: what is
    // unsaved is kept on the way out.
    std::atexit(keepUnsaved);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [](QSessionManager& manager) {
                         if (!handlers().commitData) return;
                         if (!handlers().commitData(manager.allowsInteraction())) manager.cancel();
                         manager.release();
                     });
}

} // namespace

void watchSessionEnd(SessionEndHandlers next) {
    static const bool ready = (setUp(), true);
    (void)ready;
    handlers() = std::move(next);
}
