// A later start's side of the single instance: its request handed to the
// program holding the claim, never waiting past its own time.

#include "app/SingleInstance.h"
#include "app/SocketAddress.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

// How long a later start waits for the running program to take its request.
constexpr int AnswerWait = 3000;

using Clock = std::chrono::steady_clock;
Clock::time_point deadlineIn(int ms) {
    return Clock::now() + std::chrono::milliseconds(ms);
}
// Milliseconds left until the deadline, 0 once it has passed.
int leftUntil(Clock::time_point deadline) {
    return int(std::max<long long>(
        0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count()));
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

// The process that holds the claim, as its lock file's first line says.
std::string holderOf(int lockFd) {
    char text[16] = {};
    const ssize_t n = ::pread(lockFd, text, sizeof text - 1, 0);
    if (n <= 0) return "?";
    std::string pid(text, std::size_t(n));
    pid.resize(std::min(pid.find('\n'), pid.size()));
    pid.erase(std::remove_if(pid.begin(), pid.end(), [](char c) { return c < '0' || c > '9'; }),
              pid.end());
    return pid.empty() ? "?" : pid;
}

// How many connections the program has taken, as its lock file says:
// the line after the process's.
std::string acceptedBy(int lockFd) {
    char text[24] = {};
    const ssize_t n = ::pread(lockFd, text, sizeof text - 1, 16);
    return n > 0 ? std::string(text, std::size_t(n)) : std::string();
}

// Whether the process is stopped (a debugger, Ctrl+Z, SIGSTOP), as the
// kernel says; a hung one is not, and is told apart by this.
bool processStopped(const std::string& pid) {
    std::string stat;
    char text[512];
    const int fd = ::open(("/proc/" + pid + "/stat").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0) return false;
    stat.assign(text, std::size_t(n));
    const std::size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() &&
           (stat[close + 2] == 'T' || stat[close + 2] == 't');
}

} // namespace

int SingleInstance::connectToHolder(std::chrono::steady_clock::time_point deadline,
                                    std::string& why) {
    const std::string holder = holderOf(lock);
    const std::string takenBefore = acceptedBy(lock);
    why = "Huevella is running (process " + holder + ") but does not answer";
    sockaddr_un address;
    if (!addressOf(path, address)) return -1;
    // A full queue is waited on in the kernel, which wakes the wait the
    // moment the program takes a connection: a flood of other connections,
    // each tried now and then, cannot keep this one out. The wait is bounded
    // by our own time; a program that takes nothing would hold a plain
    // blocking connect for ever.
    int fd = -1;
    while (fd < 0) {
        const int left = leftUntil(deadline);
        if (left == 0) {
            if (processStopped(holder))
                why += " (it is stopped)";
            else if (acceptedBy(lock) != takenBefore)
                // It took other connections all the while: alive, but others
                // kept every place in its queue.
                why = "Huevella is running (process " + holder +
                      ") but is busy: other connections kept its queue of requests full; try "
                      "again in a moment";
            else
                why += " (its queue of requests stayed full)";
            return -1;
        }
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        const timeval limit = {left / 1000, (left % 1000) * 1000};
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            const int error = errno;
            ::close(fd);
            fd = -1;
            // The program holding the claim has not begun to listen yet.
            if (error != EAGAIN && error != EINTR)
                std::this_thread::sleep_for(
                    std::chrono::milliseconds(std::min(50, leftUntil(deadline))));
        }
    }
    return fd;
}

bool SingleInstance::handOver(const std::optional<std::string>& book, std::string& why) {
    const auto deadline = deadlineIn(AnswerWait);
    const int fd = connectToHolder(deadline, why);
    if (fd < 0) return false;
    bool answered = false;
    if (writeAll(fd, message(book)) && ::shutdown(fd, SHUT_WR) == 0) {
        // It closes its end once it has the whole request: a stopped or
        // hung program never does.
        for (;;) {
            pollfd wait = {fd, POLLIN, 0};
            if (leftUntil(deadline) == 0 || ::poll(&wait, 1, leftUntil(deadline)) <= 0) break;
            char rest[64];
            const ssize_t n = ::read(fd, rest, sizeof rest);
            if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
            answered = n == 0;
            if (n <= 0) break;
        }
    }
    ::close(fd);
    if (!answered && processStopped(holderOf(lock))) why += " (it is stopped)";
    return answered;
}

int SingleInstance::handOverPick(std::string_view form, std::string& why) {
    const auto deadline = deadlineIn(AnswerWait);
    const int fd = connectToHolder(deadline, why);
    if (fd < 0) return -1;
    // Our end stays open: the program ends the pick when it closes.
    // Appended, not "P" + string: GCC 12 at -O3 warns falsely on the latter
    // (-Wrestrict, GCC bug 105329).
    if (!writeAll(fd, std::string("P").append(form).append("\n"))) {
        ::close(fd);
        return -1;
    }
    return fd;
}
