// A native Wayland window for the desktop tests: full screen in one plain
// colour, beneath the phrases. It prints one line per event that tells
// whether the phrase stayed out of the way:
//   shown W H        the first frame of that size reached the screen
//   focus in|out     keyboard focus arrived or left
//   press X Y        a button went down at surface coordinates X, Y
//   key CODE         a key went down (evdev code)
//
//   wayland_window R,G,B
#include "xdg-shell-client-protocol.h"

#include <wayland-client.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace {

struct Probe {
    wl_display* display = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    xdg_wm_base* wmBase = nullptr;
    wl_seat* seat = nullptr;
    wl_pointer* pointer = nullptr;
    wl_keyboard* keyboard = nullptr;
    wl_surface* surface = nullptr;
    xdg_surface* xdgSurface = nullptr;
    xdg_toplevel* toplevel = nullptr;
    wl_buffer* buffer = nullptr;
    uint32_t colour = 0;
    int pendingWidth = 0, pendingHeight = 0;
    int width = 0, height = 0;
    bool framePending = false;
    double pointerX = 0, pointerY = 0;
    bool closed = false;
};

void Say(const char* format, auto... args)
{
    std::printf(format, args...);
    std::fflush(stdout);
}

void BufferRelease(void*, wl_buffer* buffer) { wl_buffer_destroy(buffer); }
const wl_buffer_listener kBufferListener = {BufferRelease};

// Each size gets a fresh buffer; the old one is destroyed once released.
bool Paint(Probe& p, int width, int height)
{
    const int stride = width * 4;
    const size_t size = static_cast<size_t>(stride) * static_cast<size_t>(height);
    const int fd = memfd_create("wayland-probe", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, static_cast<off_t>(size)) != 0) {
        std::fprintf(stderr, "shared memory: %s\n", std::strerror(errno));
        return false;
    }
    void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) {
        close(fd);
        return false;
    }
    auto* pixels = static_cast<uint32_t*>(data);
    for (size_t i = 0; i < size / 4; ++i)
        pixels[i] = p.colour;
    munmap(data, size);
    wl_shm_pool* pool = wl_shm_create_pool(p.shm, fd, static_cast<int32_t>(size));
    wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_buffer_add_listener(buffer, &kBufferListener, nullptr);
    wl_surface_attach(p.surface, buffer, 0, 0);
    wl_surface_damage(p.surface, 0, 0, width, height);
    p.width = width;
    p.height = height;
    return true;
}

void FrameDone(void* data, wl_callback* callback, uint32_t)
{
    auto& p = *static_cast<Probe*>(data);
    wl_callback_destroy(callback);
    p.framePending = false;
    Say("shown %d %d\n", p.width, p.height);
}
const wl_callback_listener kFrameListener = {FrameDone};

void SurfaceConfigure(void* data, xdg_surface* surface, uint32_t serial)
{
    auto& p = *static_cast<Probe*>(data);
    xdg_surface_ack_configure(surface, serial);
    // A compositor that leaves the size to the client gets a common screen.
    const int w = p.pendingWidth > 0 ? p.pendingWidth : 1920;
    const int h = p.pendingHeight > 0 ? p.pendingHeight : 1080;
    if (w != p.width || h != p.height) {
        if (!Paint(p, w, h)) {
            p.closed = true;
            return;
        }
        wl_callback_add_listener(wl_surface_frame(p.surface), &kFrameListener, &p);
        p.framePending = true;
    }
    wl_surface_commit(p.surface);
}
const xdg_surface_listener kSurfaceListener = {SurfaceConfigure};

void ToplevelConfigure(void* data, xdg_toplevel*, int32_t width, int32_t height, wl_array*)
{
    auto& p = *static_cast<Probe*>(data);
    p.pendingWidth = width;
    p.pendingHeight = height;
}
void ToplevelClose(void* data, xdg_toplevel*) { static_cast<Probe*>(data)->closed = true; }
const xdg_toplevel_listener kToplevelListener = {ToplevelConfigure, ToplevelClose};

void Ping(void*, xdg_wm_base* base, uint32_t serial) { xdg_wm_base_pong(base, serial); }
const xdg_wm_base_listener kWmBaseListener = {Ping};

void PointerEnter(void* data, wl_pointer*, uint32_t, wl_surface*, wl_fixed_t x, wl_fixed_t y)
{
    auto& p = *static_cast<Probe*>(data);
    p.pointerX = wl_fixed_to_double(x);
    p.pointerY = wl_fixed_to_double(y);
}
void PointerLeave(void*, wl_pointer*, uint32_t, wl_surface*) {}
void PointerMotion(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y)
{
    PointerEnter(data, nullptr, 0, nullptr, x, y);
}
void PointerButton(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t state)
{
    const auto& p = *static_cast<Probe*>(data);
    if (state == WL_POINTER_BUTTON_STATE_PRESSED)
        Say("press %d %d\n", static_cast<int>(p.pointerX), static_cast<int>(p.pointerY));
}
void PointerAxis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {}
void PointerFrame(void*, wl_pointer*) {}
void PointerAxisSource(void*, wl_pointer*, uint32_t) {}
void PointerAxisStop(void*, wl_pointer*, uint32_t, uint32_t) {}
void PointerAxisDiscrete(void*, wl_pointer*, uint32_t, int32_t) {}
const wl_pointer_listener kPointerListener = {PointerEnter, PointerLeave,      PointerMotion,
                                              PointerButton, PointerAxis,      PointerFrame,
                                              PointerAxisSource, PointerAxisStop, PointerAxisDiscrete};

void KeyboardKeymap(void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) { close(fd); }
void KeyboardEnter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) { Say("focus in\n"); }
void KeyboardLeave(void*, wl_keyboard*, uint32_t, wl_surface*) { Say("focus out\n"); }
void KeyboardKey(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state)
{
    if (state == WL_KEYBOARD_KEY_STATE_PRESSED)
        Say("key %u\n", key);
}
void KeyboardModifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void KeyboardRepeat(void*, wl_keyboard*, int32_t, int32_t) {}
const wl_keyboard_listener kKeyboardListener = {KeyboardKeymap, KeyboardEnter,     KeyboardLeave,
                                                KeyboardKey,    KeyboardModifiers, KeyboardRepeat};

void SeatCapabilities(void* data, wl_seat* seat, uint32_t caps)
{
    auto& p = *static_cast<Probe*>(data);
    if ((caps & WL_SEAT_CAPABILITY_POINTER) && !p.pointer) {
        p.pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(p.pointer, &kPointerListener, &p);
    }
    if ((caps & WL_SEAT_CAPABILITY_KEYBOARD) && !p.keyboard) {
        p.keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(p.keyboard, &kKeyboardListener, &p);
    }
}
void SeatName(void*, wl_seat*, const char*) {}
const wl_seat_listener kSeatListener = {SeatCapabilities, SeatName};

void Global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    auto& p = *static_cast<Probe*>(data);
    const auto bind = [&](const wl_interface* iface, uint32_t highest) {
        return wl_registry_bind(registry, name, iface, version < highest ? version : highest);
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        p.compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        p.shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
        p.wmBase = static_cast<xdg_wm_base*>(bind(&xdg_wm_base_interface, 1));
        xdg_wm_base_add_listener(p.wmBase, &kWmBaseListener, &p);
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !p.seat) {
        p.seat = static_cast<wl_seat*>(bind(&wl_seat_interface, 5));
        wl_seat_add_listener(p.seat, &kSeatListener, &p);
    }
}
void GlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

} // namespace

int main(int argc, char** argv)
{
    int r = 0, g = 0, b = 0;
    if (argc != 2 || std::sscanf(argv[1], "%d,%d,%d", &r, &g, &b) != 3) {
        std::fprintf(stderr, "usage: wayland_window R,G,B\n");
        return 1;
    }
    Probe p;
    p.colour = 0xFF000000u | static_cast<uint32_t>(r & 255) << 16 | static_cast<uint32_t>(g & 255) << 8
               | static_cast<uint32_t>(b & 255);
    p.display = wl_display_connect(nullptr);
    if (!p.display) {
        std::fprintf(stderr, "no Wayland display\n");
        return 2;
    }
    wl_registry* registry = wl_display_get_registry(p.display);
    wl_registry_add_listener(registry, &kRegistryListener, &p);
    wl_display_roundtrip(p.display);
    if (!p.compositor || !p.shm || !p.wmBase) {
        std::fprintf(stderr, "the compositor lacks wl_compositor, wl_shm or xdg_wm_base\n");
        return 2;
    }
    p.surface = wl_compositor_create_surface(p.compositor);
    p.xdgSurface = xdg_wm_base_get_xdg_surface(p.wmBase, p.surface);
    xdg_surface_add_listener(p.xdgSurface, &kSurfaceListener, &p);
    p.toplevel = xdg_surface_get_toplevel(p.xdgSurface);
    xdg_toplevel_add_listener(p.toplevel, &kToplevelListener, &p);
    xdg_toplevel_set_title(p.toplevel, "Wayland probe");
    xdg_toplevel_set_app_id(p.toplevel, "wayland-probe");
    xdg_toplevel_set_fullscreen(p.toplevel, nullptr);
    wl_surface_commit(p.surface);
    while (!p.closed && wl_display_dispatch(p.display) != -1) {
    }
    wl_display_disconnect(p.display);
    return p.closed ? 0 : 3;
}
