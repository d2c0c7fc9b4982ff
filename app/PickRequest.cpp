#include "app/PickRequest.h"

#include "picker/TfrmScreenPicker.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

int awaitPickAnswer(int fd, int ackWithin, const std::string& noAnswer) {
    std::string received;
    bool acknowledged = false;
    bool taken = false;
    const auto print = [](const std::string& code) {
        std::printf("%s\n", code.c_str());
        if (std::fflush(stdout) == 0) return true;
        std::fprintf(stderr, "huevella: the code could not be written: %s\n", std::strerror(errno));
        return false;
    };
    for (;;) {
        const std::size_t line = received.find('\n');
        if (line != std::string::npos) {
            const std::string text = received.substr(0, line);
            received.erase(0, line + 1);
            if (text == "A") {
                acknowledged = true;
                continue;
            }
            // One of several, printed as it comes: a script reads them as
            // they are taken.
            if (text.starts_with('M')) {
                if (!print(text.substr(1))) {
                    ::close(fd);
                    return 1;
                }
                taken = true;
                continue;
            }
            ::close(fd);
            if (text.starts_with('C')) return print(text.substr(1)) ? 0 : 1;
            if (text == "E") return taken ? 0 : 1;
            if (text.size() > 1) std::fprintf(stderr, "huevella: %s\n", text.c_str() + 1);
            return 1;
        }
        pollfd wait = {fd, POLLIN, 0};
        const int ready = ::poll(&wait, 1, acknowledged ? -1 : ackWithin);
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) {
            ::close(fd);
            std::fprintf(stderr, "huevella: %s\n", noAnswer.c_str());
            return 1;
        }
        char block[512];
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(fd);
            if (taken) return 0;
            std::fprintf(stderr, "huevella: Huevella ended before a colour was taken\n");
            return 1;
        }
        received.append(block, std::size_t(n));
    }
}

PickRequests::PickRequests(Start start, std::function<void()> cancel, std::function<bool()> busy)
    : start(std::move(start)), cancel(std::move(cancel)), busy(std::move(busy)) {
    retry.setSingleShot(true);
    retry.setInterval(100);
    connect(&retry, &QTimer::timeout, this, [this] { startWhenFree(); });
}

PickRequests::~PickRequests() {
    for (Caller& caller : callers)
        ::close(caller.fd);
}

void PickRequests::say(int fd, const std::string& line) {
    const std::string text = line + "\n";
    (void)!::send(fd, text.data(), text.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

void PickRequests::add(int fd, const std::string& request) {
    const std::string formWord = request.substr(0, request.find('\t'));
    std::string why;
    const auto form = codeFormatNamed(formWord, why);
    int average = 0;
    if (const auto at = request.find("\taverage="); at != std::string::npos)
        average = std::atoi(request.c_str() + at + 9);
    const bool multiple = request.find("\tmultiple") != std::string::npos;
    if (!form) {
        say(fd, "X" + why);
        ::close(fd);
        return;
    }
    say(fd, "A");
    auto hangUp = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    // A caller sends nothing after its request: anything readable is its end.
    connect(hangUp.get(), &QSocketNotifier::activated, this, [this, fd] {
        char byte;
        const ssize_t n = ::recv(fd, &byte, 1, MSG_DONTWAIT);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) gone(fd);
    });
    callers.push_back({fd, *form, average, multiple, std::move(hangUp)});
    if (!underWay) startWhenFree();
}

void PickRequests::startWhenFree() {
    if (underWay || callers.empty()) return;
    if (busy && busy()) {
        retry.start();
        return;
    }
    underWay = true;
    start(callers.front().form, callers.front().average,
          [this](const PickOutcome& outcome) { finished(outcome); });
}

void PickRequests::finished(const PickOutcome& outcome) {
    if (outcome.goesOn) {
        for (const Caller& caller : callers)
            if (caller.multiple && outcome.colour)
                say(caller.fd, std::string("M").append(codeInFormat(*outcome.colour, caller.form)));
        return;
    }
    underWay = false;
    for (Caller& caller : callers) {
        // Each colour was said as it was taken.
        if (caller.multiple && outcome.repeated) {
            caller.hangUp->setEnabled(false);
            say(caller.fd, "E");
            ::close(caller.fd);
            continue;
        }
        caller.hangUp->setEnabled(false);
        say(caller.fd,
            // Appended, not "C" + string: GCC 12 at -O3 warns falsely on the
            // latter (-Wrestrict, GCC bug 105329).
            outcome.colour ? std::string("C").append(codeInFormat(*outcome.colour, caller.form))
                           : std::string("X").append(outcome.why));
        ::close(caller.fd);
    }
    callers.clear();
}

void PickRequests::gone(int fd) {
    const auto found =
        std::find_if(callers.begin(), callers.end(), [fd](const Caller& c) { return c.fd == fd; });
    if (found == callers.end()) return;
    found->hangUp->setEnabled(false);
    found->hangUp.release()->deleteLater();
    ::close(fd);
    callers.erase(found);
    // Nobody waits for the colour any more.
    if (callers.empty() && underWay && cancel) cancel();
}
