#pragma once

struct wl_display;

namespace ov {

// The compositor's answer to a sync request, with the events before it
// dispatched, waited for at most waitMs: only while connecting, so a
// compositor that hangs holds nothing up for long. False when it did not
// come in time or the connection failed.
bool BoundedRoundtrip(wl_display* display, int waitMs);

} // namespace ov
