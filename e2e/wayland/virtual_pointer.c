// A pointer for tests on wlroots compositors (sway): a virtual pointer
// device of the compositor's own seat, driven by lines on standard input.
//   move X Y        the pointer to (X, Y) of the whole layout (pixels)
//   by DX DY        a relative move
//   press | release the left button
//   flick DX DY     the left button pressed and, in the same instant, a move
//   wait MS
//   size W H        the layout's size, for absolute moves (1280x800 unless said)
// Each line is sent and, once the compositor has it, "ok" printed.
// The protocol's interfaces are declared here rather than generated: the
// build needs nothing beyond libwayland-client.

#include <linux/input-event-codes.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static const struct wl_interface virtual_pointer_interface;
static const struct wl_interface* create_types[] = {&wl_seat_interface, &virtual_pointer_interface};
static const struct wl_message manager_requests[] = {
    {"create_virtual_pointer", "?on", create_types},
    {"destroy", "", NULL},
};
static const struct wl_interface manager_interface = {
    "zwlr_virtual_pointer_manager_v1", 1, 2, manager_requests, 0, NULL};
static const struct wl_interface* no_types[8];
static const struct wl_message pointer_requests[] = {
    {"motion", "uff", no_types},   {"motion_absolute", "uuuuu", no_types},
    {"button", "uuu", no_types},   {"axis", "uuf", no_types},
    {"frame", "", no_types},       {"axis_source", "u", no_types},
    {"axis_stop", "uu", no_types}, {"axis_discrete", "uufi", no_types},
    {"destroy", "", no_types},
};
static const struct wl_interface virtual_pointer_interface = {"zwlr_virtual_pointer_v1", 1, 9,
                                                              pointer_requests,          0, NULL};
enum { MOTION, MOTION_ABSOLUTE, BUTTON, AXIS, FRAME };

static struct wl_proxy* manager;
static struct wl_seat* seat;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, manager_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &manager_interface, 1);
    else if (strcmp(interface, "wl_seat") == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
}
static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}
static const struct wl_registry_listener registry_listener = {global, global_remove};

static uint32_t now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static struct wl_proxy* pointer;

static void frame(void) {
    wl_proxy_marshal(pointer, FRAME);
}

int main(void) {
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "virtual_pointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!manager) {
        fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointers\n");
        return 1;
    }
    pointer = wl_proxy_marshal_constructor(manager, 0, &virtual_pointer_interface, seat, NULL);
    wl_display_roundtrip(display);
    uint32_t width = 1280, height = 800; // the layout, for absolute moves
    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        int a = 0, b = 0;
        if (sscanf(line, "size %d %d", &a, &b) == 2) {
            width = (uint32_t)a;
            height = (uint32_t)b;
            puts("ok");
            fflush(stdout);
            continue;
        } else if (sscanf(line, "move %d %d", &a, &b) == 2) {
            wl_proxy_marshal(pointer, MOTION_ABSOLUTE, now_ms(), (uint32_t)a, (uint32_t)b, width,
                             height);
            frame();
        } else if (sscanf(line, "by %d %d", &a, &b) == 2) {
            wl_proxy_marshal(pointer, MOTION, now_ms(), wl_fixed_from_int(a), wl_fixed_from_int(b));
            frame();
        } else if (strncmp(line, "press", 5) == 0 || strncmp(line, "release", 7) == 0) {
            wl_proxy_marshal(pointer, BUTTON, now_ms(), BTN_LEFT, line[0] == 'p' ? 1u : 0u);
            frame();
        } else if (sscanf(line, "flick %d %d", &a, &b) == 2) {
            wl_proxy_marshal(pointer, BUTTON, now_ms(), BTN_LEFT, 1u);
            frame();
            wl_proxy_marshal(pointer, MOTION, now_ms(), wl_fixed_from_int(a), wl_fixed_from_int(b));
            frame();
        } else if (sscanf(line, "wait %d", &a) == 1) {
            struct timespec t = {a / 1000, (long)(a % 1000) * 1000000L};
            nanosleep(&t, NULL);
            puts("ok");
            fflush(stdout);
            continue;
        } else {
            fprintf(stderr, "virtual_pointer: what is '%s'?\n", line);
            return 2;
        }
        if (wl_display_roundtrip(display) < 0) {
            fprintf(stderr, "virtual_pointer: the compositor went away\n");
            return 1;
        }
        puts("ok");
        fflush(stdout);
    }
    wl_proxy_marshal(pointer, 8);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
