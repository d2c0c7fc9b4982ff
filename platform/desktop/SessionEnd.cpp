#include "platform/desktop/SessionEnd.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QSessionManager>

#include <atomic>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

SessionEndHandlers& handlers() {
    static SessionEndHandlers installed;
    return installed;
}

// The task that keeps the work as it was when the loop last waited. Shared
// with the signal's thread, and never destroyed: that thread may still run
// while the program ends.
struct Ready {
    std::mutex lock;
    std::function<bool()> keep;
    bool ended = false; // kept once: nothing is written again
};

std::atomic<bool> ending{false};
Ready& ready() {
    static Ready* shared = new Ready;
    return *shared;
}

// On whichever thread the end comes; false when the work could not be kept.
bool keepOnce() {
    std::function<bool()> keep;
    {
        const std::lock_guard hold(ready().lock);
        keep = std::move(ready().keep);
        ready().keep = {};
        ready().ended = true;
    }
    return !keep || keep();
}

void keepAtExit() {
    keepOnce();
}

void prepare() {
    std::function<bool()> keep = handlers().prepareKeep ? handlers().prepareKeep() : nullptr;
    const std::lock_guard hold(ready().lock);
    if (!ready().ended) ready().keep = std::move(keep);
}

int signalPipe[2] = {-1, -1};

extern "C" void onSignal(int number) {
    const int saved = errno;
    const char byte = char(number);
    (void)!::write(signalPipe[1], &byte, 1);
    errno = saved;
}

// Waits for the first signal, keeps the work, asks the loop to end the
// program; a loop that does not answer is stuck, and the signal ends the
// program as it would have without us.
void watchSignals() {
    char number = 0;
    for (;;) {
        const ssize_t got = ::read(signalPipe[0], &number, 1);
        if (got == 1) break;
        if (got < 0 && errno == EINTR) continue;
        return;
    }
    ending = true;
    const int status = keepOnce() ? 0 : 1;
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
    std::this_thread::sleep_for(std::chrono::seconds(5));
    std::signal(number, SIG_DFL);
    ::kill(::getpid(), number);
}

void setUp() {
    if (::pipe2(signalPipe, O_CLOEXEC) != 0) return;
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    // The handler only writes the signal's number into the pipe; this
    // thread, not the loop, answers it, so that a stuck loop keeps nothing
    // from being kept.
    std::thread(watchSignals).detach();
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGHUP, SIGINT})
        sigaction(number, &action, nullptr);
    // Whenever the loop is about to wait, the work is made ready again:
    // every change has been made by then.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, qApp, prepare);
    // Qt ends the program with exit() when its display goes away: what is
    // unsaved is kept on the way out.
    std::atexit(keepAtExit);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager& manager) {
        if (!handlers().commitData) return;
        if (!handlers().commitData(manager.allowsInteraction())) manager.cancel();
        manager.release();
    });
}

} // namespace

bool sessionIsEnding() {
    return ending;
}

void watchSessionEnd(SessionEndHandlers next) {
    static const bool isSetUp = (setUp(), true);
    (void)isSetUp;
    handlers() = std::move(next);
    prepare();
}
