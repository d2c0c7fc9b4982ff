#include "app/SingleInstance.h"

#include "app/SocketAddress.h"

#include "platform/forms/Application.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A request is small; anything larger is not one of ours.
constexpr std::size_t MaxRequest = 1 << 16;

std::string lockPathOf(const std::string& socket) {
    return socket.substr(0, socket.size() - 7) + ".lock"; // ".socket"
}

} // namespace

SingleInstance::~SingleInstance() {
    for (auto& [fd, client] : clients)
        ::close(fd);
    // Only the program holding the claim owns the socket.
    if (server >= 0) {
        ::close(server);
        ::unlink(path.c_str());
    }
    if (lock >= 0) ::close(lock);
}

SingleInstance::Claim SingleInstance::claim() {
    std::string problem;
    path = socketPath(&problem);
    sockaddr_un address;
    if (path.empty() || !addressOf(path, address)) {
        std::fprintf(stderr,
                     "huevella: no private runtime folder (%s): this start cannot tell whether "
                     "Huevella is already running\n",
                     problem.empty() ? "the path is too long" : problem.c_str());
        return Claim::Unavailable;
    }
    lock = ::open(lockPathOf(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock < 0) return Claim::Unavailable;
    // Taken at once by one start only, however many come together; the
    // kernel lets it go when this program ends, however it ends.
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Claim::Elsewhere : Claim::Unavailable;
    markHolder();
    return Claim::Ours;
}

void SingleInstance::markHolder() {
    if (lock < 0) return;
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(lock, 0) == 0) (void)!::pwrite(lock, pid.data(), pid.size(), 0);
    countAccepted();
}

void SingleInstance::countAccepted() {
    if (lock < 0) return;
    // A fixed place after the process line, the same width each time.
    char line[24];
    const int n = std::snprintf(line, sizeof line, "%020llu\n", accepted);
    (void)!::pwrite(lock, line, std::size_t(n), 16);
}

void SingleInstance::letGo() {
    if (lock >= 0) ::close(lock);
    lock = -1;
}

void SingleInstance::listen(Request onRequest, std::function<bool()> isBusy) {
    request = std::move(onRequest);
    busy = std::move(isBusy);
    retry.setSingleShot(true);
    retry.setInterval(100);
    connect(&retry, &QTimer::timeout, this, [this] { handleNext(); });
    sockaddr_un address;
    if (lock < 0 || !addressOf(path, address)) return;
    server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (server < 0) return;
    // We hold the claim: whatever socket is there was left behind.
    ::unlink(path.c_str());
    // Only this user may hand requests over.
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(server, 16) != 0) {
        ::close(server);
        server = -1;
        return;
    }
    listening = std::make_unique<QSocketNotifier>(server, QSocketNotifier::Read);
    connect(listening.get(), &QSocketNotifier::activated, this, [this] { accept(); });
}

void SingleInstance::accept() {
    // A few at a time: the rest wait in the queue, and nothing spins.
    while (clients.size() < std::size_t(MaxPeers)) {
        const int fd = ::accept4(server, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) break;
        ++accepted;
        countAccepted();
        Client& client = clients[fd];
        client.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(client.notifier.get(), &QSocketNotifier::activated, this, [this, fd] { read(fd); });
        client.timeout = std::make_unique<QTimer>();
        client.timeout->setSingleShot(true);
        connect(client.timeout.get(), &QTimer::timeout, this, [this, fd] { expire(fd); });
        // A start writes its request as soon as it is connected: a peer
        // that has said nothing soon is idle, and makes room for the next.
        client.timeout->start(IdleTimeout);
    }
    listening->setEnabled(clients.size() < std::size_t(MaxPeers));
}

void SingleInstance::expire(int fd) {
    const auto found = clients.find(fd);
    if (found == clients.end()) return;
    char first;
    // Its request has begun: it gets the time a request may take.
    if (!found->second.started && ::recv(fd, &first, 1, MSG_PEEK | MSG_DONTWAIT) == 1) {
        found->second.started = true;
        found->second.timeout->start(RequestTimeout);
        return;
    }
    drop(fd);
}

void SingleInstance::drop(int fd) {
    if (release(fd)) ::close(fd);
}

bool SingleInstance::release(int fd) {
    const auto found = clients.find(fd);
    if (found == clients.end()) return false;
    // Their own signals may be running: they go once those have returned.
    found->second.notifier->setEnabled(false);
    found->second.notifier.release()->deleteLater();
    found->second.timeout->stop();
    found->second.timeout.release()->deleteLater();
    clients.erase(found);
    if (listening && !listening->isEnabled()) {
        listening->setEnabled(true);
        accept();
    }
    return true;
}

void SingleInstance::read(int fd) {
    Client& client = clients[fd];
    char block[4096];
    ssize_t n;
    while ((n = ::read(fd, block, sizeof block)) > 0 && client.received.size() < MaxRequest)
        client.received.append(block, std::size_t(n));
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
        // A pick is one line, and its caller stays connected for the answer.
        if (client.received.starts_with('P') && client.received.find('\n') != std::string::npos) {
            const std::string form = client.received.substr(1, client.received.find('\n') - 1);
            release(fd);
            if (pick)
                pick(fd, form);
            else
                ::close(fd);
            return;
        }
        if (!client.received.empty() && !client.started) {
            client.started = true;
            client.timeout->start(RequestTimeout);
        }
        return;
    }
    // The other end has finished (or sent more than a request): take it.
    const std::string text = std::move(client.received);
    drop(fd);
    if (text.size() >= MaxRequest) return;
    if (text.starts_with('O'))
        enqueue(text.substr(1));
    else if (text.starts_with('R'))
        enqueue(std::nullopt);
}

// Requests wait their turn: one handled at a time, never from inside a
// question, and folded while they wait: a book asked for takes the place of
// one asked for before it (and brings the window out, as coming out would).
void SingleInstance::enqueue(const std::optional<std::string>& book) {
    if (handling && *handling == book) return;
    // Folding is for requests that wait on the person: two books that merely
    // came together are both opened, the earlier first.
    if (pending && *pending != book && book && !handling && !(busy && busy())) handleNext();
    if (!pending || (book && *pending != book)) {
        if (pending && *pending) ++dropped;
        pending = book;
    }
    QTimer::singleShot(0, this, [this] { handleNext(); });
}

void SingleInstance::handleNext() {
    if (handling || !pending) return;
    if (busy && busy()) {
        // Asked again when the question may have closed.
        retry.start();
        return;
    }
    handling = std::move(pending);
    pending.reset();
    const int before = std::exchange(dropped, 0);
    if (request) request(*handling, before);
    handling.reset();
    if (pending) QTimer::singleShot(0, this, [this] { handleNext(); });
}
