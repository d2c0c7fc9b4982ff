#include "platform/SingleInstance.h"

#include "platform/Application.h"

#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A request is small; anything larger is not one of ours.
constexpr std::size_t MaxRequest = 1 << 16;

std::string socketPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QFile::encodeName(folder + "/" + QString::fromLatin1(AppId) + ".socket").toStdString();
}

bool addressOf(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// "R" to come out, or "O" and the book's path as bytes.
std::string message(const std::optional<std::string>& book) {
    return book ? "O" + *book : "R";
}

bool writeAll(int fd, const std::string& text) {
    for (std::size_t sent = 0; sent < text.size();) {
        const ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += std::size_t(n);
    }
    return true;
}

} // namespace

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() {
    for (auto& [fd, client] : clients)
        ::close(fd);
    if (server >= 0) {
        ::close(server);
        ::unlink(path.c_str());
    }
}

bool SingleInstance::handOver(const std::optional<std::string>& book) {
    sockaddr_un address;
    if (!addressOf(socketPath(), address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // Nothing listening (no file, or one a crashed program left) refuses at once.
    int connected;
    do
        connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    while (connected < 0 && errno == EINTR);
    bool taken = connected == 0 && writeAll(fd, message(book)) && ::shutdown(fd, SHUT_WR) == 0;
    if (taken) {
        // The running program closes its end once it has the whole request.
        pollfd wait = {fd, POLLIN, 0};
        char rest[64];
        while (::poll(&wait, 1, 2000) > 0 && ::read(fd, rest, sizeof rest) > 0) {
        }
    }
    ::close(fd);
    return taken;
}

void SingleInstance::listen(Request onRequest) {
    request = std::move(onRequest);
    path = socketPath();
    sockaddr_un address;
    if (!addressOf(path, address)) return;
    server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (server < 0) return;
    // Nothing answered on it: whatever socket is there was left behind.
    ::unlink(path.c_str());
    // Only this user may hand requests over.
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(server, 8) != 0) {
        ::close(server);
        server = -1;
        return;
    }
    listening = std::make_unique<QSocketNotifier>(server, QSocketNotifier::Read);
    connect(listening.get(), &QSocketNotifier::activated, this, [this] { accept(); });
}

void SingleInstance::accept() {
    for (;;) {
        const int fd = ::accept4(server, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return;
        Client& client = clients[fd];
        client.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(client.notifier.get(), &QSocketNotifier::activated, this, [this, fd] { read(fd); });
    }
}

void SingleInstance::read(int fd) {
    Client& client = clients[fd];
    char block[4096];
    ssize_t n;
    while ((n = ::read(fd, block, sizeof block)) > 0 && client.received.size() < MaxRequest)
        client.received.append(block, std::size_t(n));
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    // The other end has finished (or sent more than a request): take it.
    const std::string text = std::move(client.received);
    // Its own signal is running: the notifier goes once that has returned.
    client.notifier->setEnabled(false);
    client.notifier.release()->deleteLater();
    clients.erase(fd);
    ::close(fd);
    if (text.size() >= MaxRequest) return;
    if (text.starts_with('O'))
        request(text.substr(1));
    else if (text.starts_with('R'))
        request(std::nullopt);
}
