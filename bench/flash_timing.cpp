// How long phrases really stay on an X display. Watches the map and unmap
// notifications of the phrase window (override-redirect, named "Phrase")
// through the root window's substructure events while Orvella flashes, and
// prints the median and 95th percentile of the shown time. Given Orvella's
// process id it also prints its CPU time per flash and its resident memory.
//
//   flash_timing FLASHES [PID]
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string WindowName(xcb_connection_t* c, xcb_window_t w)
{
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
                               nullptr);
    if (!r)
        return {};
    std::string name(static_cast<const char*>(xcb_get_property_value(r)),
                     static_cast<size_t>(xcb_get_property_value_length(r)));
    free(r);
    return name;
}

// User plus system CPU time of a process in seconds; negative when unknown.
double CpuSeconds(long pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    const size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string f;
    unsigned long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> f; ++i) {
        if (i == 14)
            utime = std::stoul(f);
        if (i == 15)
            stime = std::stoul(f);
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

long ResidentKiB(long pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: flash_timing FLASHES [PID]\n");
        return 1;
    }
    const int wanted = std::max(1, std::atoi(argv[1]));
    const long pid = argc > 2 ? std::atol(argv[2]) : 0;

    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot connect to the X display\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    xcb_window_t phrase = XCB_WINDOW_NONE;
    Clock::time_point mappedAt;
    bool shown = false;
    std::vector<double> durations;
    double cpuStart = -1;
    long rssStart = -1;
    while (int(durations.size()) < wanted) {
        xcb_generic_event_t* e = xcb_wait_for_event(c);
        if (!e)
            break;
        const Clock::time_point now = Clock::now();
        const uint8_t type = e->response_type & 0x7F;
        if (type == XCB_MAP_NOTIFY) {
            auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (phrase == XCB_WINDOW_NONE && m->override_redirect && WindowName(c, m->window) == "Phrase") {
                phrase = m->window;
                if (pid > 0) {
                    cpuStart = CpuSeconds(pid);
                    rssStart = ResidentKiB(pid);
                }
            }
            if (m->window == phrase) {
                mappedAt = now;
                shown = true;
            }
        } else if (type == XCB_UNMAP_NOTIFY) {
            auto* u = reinterpret_cast<xcb_unmap_notify_event_t*>(e);
            if (u->window == phrase && shown) {
                durations.push_back(std::chrono::duration<double, std::milli>(now - mappedAt).count());
                shown = false;
            }
        }
        free(e);
    }
    xcb_disconnect(c);
    if (durations.empty())
        return 1;
    std::printf("flashes %zu: shown median %.1f ms, 95th percentile %.1f ms, min %.1f ms, max %.1f ms\n",
                durations.size(), Percentile(durations, 0.5), Percentile(durations, 0.95),
                *std::min_element(durations.begin(), durations.end()),
                *std::max_element(durations.begin(), durations.end()));
    if (pid > 0 && cpuStart >= 0) {
        const double cpu = CpuSeconds(pid) - cpuStart;
        std::printf("Orvella: %.2f ms CPU per flash (interval included); resident %ld KiB at the first flash, "
                    "%ld KiB after %zu\n",
                    cpu * 1000.0 / double(durations.size()), rssStart, ResidentKiB(pid), durations.size());
    }
    return 0;
}
