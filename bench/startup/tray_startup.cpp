// Start-up to a tray icon, timed from the X server's own events: each
// program is started, in turn with the others, and is ready when its icon
// window is mapped inside the tray host's panel. Its resident memory is
// read once it has settled. Needs an X display with an XEmbed tray host
// (bench/startup/startup.sh makes one):
//   tray_startup ROUNDS PROGRAM [PROGRAM...]
// The first program is the floor the others are measured against.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

template <typename T> std::unique_ptr<T, decltype(&std::free)> owned(T* reply) {
    return {reply, &std::free};
}

xcb_connection_t* c = nullptr;
xcb_window_t root = 0;

xcb_atom_t atom(const char* name) {
    auto reply = owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The tray host's window: the owner of the tray selection of screen 0.
xcb_window_t trayHost() {
    auto reply = owned(xcb_get_selection_owner_reply(
        c, xcb_get_selection_owner(c, atom("_NET_SYSTEM_TRAY_S0")), nullptr));
    return reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
}

xcb_window_t parentOf(xcb_window_t window) {
    auto reply = owned(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    return reply ? reply->parent : xcb_window_t(XCB_WINDOW_NONE);
}

bool viewable(xcb_window_t window) {
    auto reply =
        owned(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

xcb_window_t topLevelOf(xcb_window_t window) {
    xcb_window_t top = window;
    for (xcb_window_t w = parentOf(window); w != XCB_WINDOW_NONE && w != root; w = parentOf(w))
        top = w;
    return top;
}

// Whether a window now lies in a window of the tray host's client (its
// panel): the server gives all windows of one client the same id base.
bool insideHost(xcb_window_t window, xcb_window_t host) {
    const std::uint32_t mask = xcb_get_setup(c)->resource_id_mask;
    const xcb_window_t top = topLevelOf(window);
    return top != window && (top & ~mask) == (host & ~mask);
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

struct Run {
    double ms;
    long kib;
};

// Starts the program and waits for its icon: every window it creates on
// the root is watched, and the first to be mapped in the panel is the icon.
std::optional<Run> startOnce(const std::string& program, xcb_window_t host, double settleSeconds) {
    const std::uint32_t watchRoot = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &watchRoot);
    xcb_flush(c);
    // A private runtime folder: no earlier run's socket to look at.
    char folder[] = "/tmp/tray-startup-XXXXXX";
    if (!mkdtemp(folder)) return std::nullopt;
    setenv("XDG_RUNTIME_DIR", folder, 1);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = Clock::now();
    pid_t pid;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return std::nullopt;
    std::optional<Run> run;
    std::set<xcb_window_t> watched;
    const auto deadline = start + std::chrono::seconds(20);
    while (!run && Clock::now() < deadline) {
        auto event = owned(xcb_poll_for_event(c));
        if (!event) {
            if (xcb_connection_has_error(c)) break;
            usleep(50);
            continue;
        }
        const auto now = Clock::now();
        xcb_window_t candidate = XCB_WINDOW_NONE;
        switch (event->response_type & 0x7F) {
        case XCB_CREATE_NOTIFY: {
            // Follow each new top-level window; it may already have moved.
            const xcb_window_t w =
                reinterpret_cast<xcb_create_notify_event_t*>(event.get())->window;
            const std::uint32_t watchWindow = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c, w, XCB_CW_EVENT_MASK, &watchWindow);
            watched.insert(w);
            candidate = w;
            break;
        }
        case XCB_MAP_NOTIFY:
            candidate = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
            break;
        case XCB_REPARENT_NOTIFY:
            candidate = reinterpret_cast<xcb_reparent_notify_event_t*>(event.get())->window;
            break;
        default: break;
        }
        if (candidate != XCB_WINDOW_NONE && watched.count(candidate) && viewable(candidate) &&
            insideHost(candidate, host))
            run = Run{std::chrono::duration<double, std::milli>(now - start).count(), 0};
    }
    const std::uint32_t none = 0;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &none);
    xcb_flush(c);
    if (run) {
        usleep(useconds_t(settleSeconds * 1e6));
        run->kib = residentKiB(pid);
    }
    kill(pid, SIGTERM);
    int status;
    waitpid(pid, &status, 0);
    const std::string remove = std::string("rm -rf ") + folder;
    if (std::system(remove.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", folder);
    // Let the panel settle before the next start.
    usleep(200000);
    while (auto stale = owned(xcb_poll_for_event(c))) {
    }
    return run;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty()      ? 0
           : v.size() % 2 ? v[v.size() / 2]
                          : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tray_startup ROUNDS PROGRAM [PROGRAM...]\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<std::string> programs(argv + 2, argv + argc);
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "tray_startup: no X display\n");
        return 1;
    }
    root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_window_t host = trayHost();
    if (host == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "tray_startup: no tray host on the display\n");
        return 1;
    }
    std::vector<std::vector<double>> times(programs.size()), sizes(programs.size());
    for (int round = 0; round < rounds; ++round) {
        // Alternating, and in turn first, so that neither always follows the other.
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t i = (k + std::size_t(round)) % programs.size();
            const auto run = startOnce(programs[i], host, 0.5);
            if (!run) {
                std::fprintf(stderr, "tray_startup: %s showed no icon\n", programs[i].c_str());
                return 1;
            }
            times[i].push_back(run->ms);
            sizes[i].push_back(double(run->kib));
        }
    }
    std::printf("%-40s %12s %12s %10s %12s\n", "program", "start ms", "ratio", "RSS MiB",
                "over floor");
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const double t = median(times[i]), m = median(sizes[i]) / 1024.0;
        const double t0 = median(times[0]), m0 = median(sizes[0]) / 1024.0;
        std::printf("%-40s %12.1f %11.2fx %10.2f %+11.2f\n",
                    programs[i].substr(programs[i].rfind('/') + 1).c_str(), t, t / t0, m, m - m0);
    }
    std::printf("(medians of %d rounds; start to the icon mapped in the tray, resident memory 0.5 "
                "s after)\n",
                rounds);
    xcb_disconnect(c);
    return 0;
}
