// How long phrases really stay on an X display, and how long the gaps
// between them are. Watches the map and unmap notifications of the phrase
// window (override-redirect, named "Phrase") through the root window's
// substructure events while Orvella flashes, and prints the error of the
// shown time against the display time and of the gap against the interval
// (median, 95th percentile and maximum of its size), the first flash on its
// own. Beside it, what the user sees: the screen's own drawing, watched
// with the DAMAGE extension on the root window, from the first drawing
// inside the phrase's rectangle after its map to the first after its
// unmap; and how far each of those trails its notification (the server's
// part). Then, for a few more flashes, it reads the window's picture right
// after the map notification and again halfway through the display time:
// a first frame that differs (empty or stale) is counted. Given Orvella's
// process id it also prints its CPU time per flash and its resident memory.
//
//   flash_timing FLASHES DISPLAY_MS INTERVAL_MS [PID]
#include <xcb/damage.h>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <sched.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

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

void PrintErrors(const char* what, const std::vector<double>& measured, double wanted)
{
    if (measured.empty()) {
        std::printf("%s: none\n", what);
        return;
    }
    std::vector<double> errors;
    for (double m : measured)
        errors.push_back(std::fabs(m - wanted));
    std::printf("%s: %zu, median %.2f ms; |error| median %.2f ms, p95 %.2f ms, max %.2f ms\n", what, measured.size(),
                Percentile(measured, 0.5), Percentile(errors, 0.5), Percentile(errors, 0.95),
                *std::max_element(errors.begin(), errors.end()));
}

// The window's own pixels inside its shape; empty when it cannot be read
// (the window went away).
std::vector<uint32_t> ShapePixels(xcb_connection_t* c, xcb_window_t w)
{
    std::vector<uint32_t> out;
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    if (!g)
        return out;
    const int width = g->width, height = g->height;
    free(g);
    xcb_get_image_reply_t* img = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, uint16_t(width), uint16_t(height), ~0u), nullptr);
    xcb_shape_get_rectangles_reply_t* shape = xcb_shape_get_rectangles_reply(
        c, xcb_shape_get_rectangles(c, w, XCB_SHAPE_SK_BOUNDING), nullptr);
    if (img && shape && xcb_get_image_data_length(img) >= width * height * 4) {
        const auto* px = reinterpret_cast<const uint32_t*>(xcb_get_image_data(img));
        const xcb_rectangle_t* r = xcb_shape_get_rectangles_rectangles(shape);
        for (int i = 0; i < xcb_shape_get_rectangles_rectangles_length(shape); ++i)
            for (int y = std::max(0, int(r[i].y)); y < std::min(height, r[i].y + r[i].height); ++y)
                for (int x = std::max(0, int(r[i].x)); x < std::min(width, r[i].x + r[i].width); ++x)
                    out.push_back(px[y * width + x] & 0xFFFFFF);
    }
    free(img);
    free(shape);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: flash_timing FLASHES DISPLAY_MS INTERVAL_MS [PID]\n");
        return 1;
    }
    const int wanted = std::max(1, std::atoi(argv[1]));
    const double displayMs = std::atof(argv[2]);
    const double intervalMs = std::atof(argv[3]);
    const long pid = argc > 4 ? std::atol(argv[4]) : 0;
    const int frameChecks = 10;

    // The watcher must not be the one woken late: where it may, it reads
    // the events at real-time priority (above the program's own threads'
    // priority of 1, so it is never the one waiting).
    sched_param urgent {};
    urgent.sched_priority = 2;
    const bool realTime = sched_setscheduler(0, SCHED_FIFO, &urgent) == 0;
    std::printf("watching at %s priority\n", realTime ? "real-time" : "ordinary");

    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot connect to the X display\n");
        return 1;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, it.data->root, XCB_CW_EVENT_MASK, &mask);
    // Every drawing on the screen, as rectangles, as it happens.
    uint8_t damageEvent = 0;
    const xcb_query_extension_reply_t* damageExt = xcb_get_extension_data(c, &xcb_damage_id);
    if (damageExt && damageExt->present) {
        free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
        xcb_damage_create(c, xcb_generate_id(c), it.data->root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        damageEvent = damageExt->first_event + XCB_DAMAGE_NOTIFY;
    } else {
        std::printf("no DAMAGE extension: what the user sees is not measured\n");
    }
    xcb_flush(c);

    xcb_window_t phrase = XCB_WINDOW_NONE;
    Clock::time_point mappedAt, unmappedAt;
    bool shown = false, hiddenOnce = false;
    std::vector<double> durations, gaps, seen, mapDrawn, unmapDrawn;
    // Where each top-level window is, from its notifications: asking the
    // server while flashes run would delay the events behind the answer.
    std::map<xcb_window_t, xcb_rectangle_t> places;
    Clock::time_point seenFrom, notifiedAt;
    enum class Drawing { None, AwaitMap, AwaitUnmap } awaiting = Drawing::None;
    int framesChecked = 0, framesStale = 0;
    double cpuStart = -1;
    long rssStart = -1;
    while (int(durations.size()) < wanted + frameChecks) {
        xcb_generic_event_t* e = xcb_wait_for_event(c);
        if (!e)
            break;
        const Clock::time_point now = Clock::now();
        const uint8_t type = e->response_type & 0x7F;
        const bool timing = int(durations.size()) < wanted;
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
                notifiedAt = now;
                awaiting = timing ? Drawing::AwaitMap : Drawing::None;
                if (hiddenOnce && timing)
                    gaps.push_back(Ms(now - unmappedAt));
                if (!timing) {
                    // The first frame against the settled one.
                    const std::vector<uint32_t> first = ShapePixels(c, phrase);
                    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(displayMs / 2));
                    const std::vector<uint32_t> settled = ShapePixels(c, phrase);
                    if (!first.empty() && first.size() == settled.size()) {
                        ++framesChecked;
                        framesStale += first != settled;
                    }
                }
            }
        } else if (type == XCB_UNMAP_NOTIFY) {
            auto* u = reinterpret_cast<xcb_unmap_notify_event_t*>(e);
            if (u->window == phrase && shown) {
                notifiedAt = now;
                // A flash whose first drawing was never seen is not counted.
                awaiting = awaiting == Drawing::None && timing ? Drawing::AwaitUnmap : Drawing::None;
                durations.push_back(Ms(now - mappedAt));
                unmappedAt = now;
                shown = false;
                hiddenOnce = true;
            }
        } else if (type == XCB_CREATE_NOTIFY) {
            auto* n = reinterpret_cast<xcb_create_notify_event_t*>(e);
            places[n->window] = {n->x, n->y, n->width, n->height};
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            auto* n = reinterpret_cast<xcb_configure_notify_event_t*>(e);
            places[n->window] = {n->x, n->y, n->width, n->height};
        } else if (damageEvent && type == damageEvent && awaiting != Drawing::None) {
            auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(e);
            const auto place = places.find(phrase);
            const bool inside = place != places.end() && d->area.x < place->second.x + place->second.width
                                && place->second.x < d->area.x + d->area.width
                                && d->area.y < place->second.y + place->second.height
                                && place->second.y < d->area.y + d->area.height;
            if (inside && awaiting == Drawing::AwaitMap) {
                mapDrawn.push_back(Ms(now - notifiedAt));
                seenFrom = now;
                awaiting = Drawing::None;
            } else if (inside && awaiting == Drawing::AwaitUnmap) {
                unmapDrawn.push_back(Ms(now - notifiedAt));
                seen.push_back(Ms(now - seenFrom));
                awaiting = Drawing::None;
            }
        }
        free(e);
    }
    xcb_disconnect(c);
    if (durations.empty())
        return 1;
    durations.resize(std::min(durations.size(), size_t(wanted)));
    if (const auto place = places.find(phrase); place != places.end())
        std::printf("phrase window %d x %d\n", place->second.width, place->second.height);
    std::printf("first flash shown %.2f ms of %.0f\n", durations.front(), displayMs);
    PrintErrors("shown (map to unmap notification)", durations, displayMs);
    PrintErrors("seen (first drawing after the map to the first after the unmap)", seen, displayMs);
    PrintErrors("drawing after the map notification", mapDrawn, 0);
    PrintErrors("drawing after the unmap notification", unmapDrawn, 0);
    PrintErrors("gaps", gaps, intervalMs);
    std::printf("first frames read right after the map: %d, of which %d differ from the settled frame\n",
                framesChecked, framesStale);
    if (pid > 0 && cpuStart >= 0) {
        const double cpu = CpuSeconds(pid) - cpuStart;
        std::printf("Orvella: %.2f ms CPU per flash (interval included); resident %ld KiB at the first flash, "
                    "%ld KiB at the end\n",
                    cpu * 1000.0 / double(durations.size() + size_t(framesChecked)), rssStart, ResidentKiB(pid));
    }
    return 0;
}
