#include "app/PickStart.h"

#include "app/PickRequest.h"

#include <cstdio>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The program a --pick starts lives on in the tray after the command has
// ended: it keeps nothing of the caller's that the caller's own readers
// wait on (a pipe left open would keep `$(huevella --pick)` waiting for
// ever), nor the caller's terminal.
void detachFromCaller() {
    ::setsid();
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0) return;
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    struct stat error {};
    if (::fstat(STDERR_FILENO, &error) == 0 && S_ISFIFO(error.st_mode)) ::dup2(null, STDERR_FILENO);
    ::close(null);
}
} // namespace

std::optional<int> beginPick(SingleInstance& single, const std::string& form,
                             std::optional<SingleInstance::Claim>& claim, int& peer) {
    claim = single.claim();
    if (*claim == SingleInstance::Claim::Elsewhere) {
        std::string why;
        const int fd = single.handOverPick(form, why);
        if (fd < 0) {
            std::fprintf(stderr, "huevella: %s\n", why.c_str());
            return 1;
        }
        return awaitPickAnswer(fd, 3000, why);
    }
    // None runs: the program starts in a process of its own, which stays,
    // and this one waits for its answer.
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        std::perror("huevella: socketpair");
        return 1;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("huevella: fork");
        return 1;
    }
    if (child > 0) {
        ::close(pair[1]);
        single.letGo();
        return awaitPickAnswer(pair[0], -1, {});
    }
    ::close(pair[0]);
    single.markHolder();
    detachFromCaller();
    peer = pair[1];
    return std::nullopt;
}
