// Says whether another program holds the pointer and the keyboard, by trying
// to take them (and giving them straight back): "held" (both), "free"
// (neither) or "partly".
// grab_probe --wait-held MS: waits until they are held, polling, and
// prints how long that took in microseconds (a benchmark's stop watch).
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

enum class Grab { Free, Partly, Held };

Grab held(xcb_connection_t* c, xcb_window_t root) {
    const auto pointer = xcb_grab_pointer_reply(
        c,
        xcb_grab_pointer(c, 0, root, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
        nullptr);
    const bool pointerFree = pointer && pointer->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(pointer);
    if (pointerFree) xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    const auto keyboard = xcb_grab_keyboard_reply(
        c,
        xcb_grab_keyboard(c, 0, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool keyboardFree = keyboard && keyboard->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(keyboard);
    if (keyboardFree) xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    xcb_flush(c);
    if (pointerFree && keyboardFree) return Grab::Free;
    return pointerFree || keyboardFree ? Grab::Partly : Grab::Held;
}

} // namespace

int main(int argc, char** argv) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "grab_probe: no display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    if (argc == 3 && std::strcmp(argv[1], "--wait-held") == 0) {
        const auto start = std::chrono::steady_clock::now();
        const auto limit = start + std::chrono::milliseconds(std::atoi(argv[2]));
        while (held(c, root) != Grab::Held) {
            if (std::chrono::steady_clock::now() > limit) return 1;
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        std::printf("%lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                               std::chrono::steady_clock::now() - start)
                                               .count()));
        return 0;
    }
    const Grab grab = held(c, root);
    std::puts(grab == Grab::Held ? "held" : grab == Grab::Free ? "free" : "partly");
    xcb_disconnect(c);
    return 0;
}
