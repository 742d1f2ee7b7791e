#include "display/wayland/roundtrip.h"

#include <wayland-client.h>

#include <cerrno>
#include <chrono>
#include <poll.h>

namespace ov {

bool BoundedRoundtrip(wl_display* display, int waitMs)
{
    bool done = false;
    wl_callback* sync = wl_display_sync(display);
    static const wl_callback_listener syncListener = {
        [](void* done, wl_callback* callback, uint32_t) {
            *static_cast<bool*>(done) = true;
            wl_callback_destroy(callback);
        },
    };
    wl_callback_add_listener(sync, &syncListener, &done);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    const int fd = wl_display_get_fd(display);
    bool failed = false;
    while (!done && !failed) {
        if (wl_display_flush(display) < 0 && errno != EAGAIN)
            break;
        while (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0) {
                failed = true;
                break;
            }
        }
        if (failed || done) {
            if (!failed)
                wl_display_cancel_read(display);
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        const int ready = left.count() > 0 ? poll(&p, 1, static_cast<int>(left.count())) : 0;
        if (ready <= 0) {
            wl_display_cancel_read(display);
            if (ready < 0 && errno == EINTR)
                continue;
            break;
        }
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            break;
    }
    if (!done)
        wl_callback_destroy(sync);
    return done;
}

} // namespace ov
