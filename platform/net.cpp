#include "platform/net.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace ov {

bool IsRoutableAddress(const NetAddress& a)
{
    if (a.loopback) return false;
    const auto& b = a.bytes;
    if (a.family == AF_INET) {
        if (b[0] == 127 || b[0] == 0) return false;
        if (b[0] == 169 && b[1] == 254) return false;
        return true;
    }
    if (a.family == AF_INET6) {
        bool allZero = true;
        for (size_t i = 0; i < 15; ++i) allZero = allZero && b[i] == 0;
        if (allZero && (b[15] == 0 || b[15] == 1)) return false; // :: and ::1
        if (b[0] == 0xFE && (b[1] & 0xC0) == 0x80) return false;  // fe80::/10
        return true;
    }
    return false;
}

bool ConnectionConfigured(const std::vector<NetAddress>& addresses, const EnvLookup& env)
{
    for (const NetAddress& a : addresses)
        if (a.up && a.running && IsRoutableAddress(a)) return true;
    if (!env) return false;
    for (const char* name : {"http_proxy", "https_proxy", "all_proxy",
                             "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"}) {
        const char* v = env(name);
        if (!v) continue;
        for (const char* p = v; *p; ++p)
            if (*p != ' ' && *p != '\t') return true;
    }
    return false;
}

std::vector<NetAddress> ListNetAddresses()
{
    std::vector<NetAddress> out;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return out;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        NetAddress a;
        a.interfaceName = i->ifa_name ? i->ifa_name : "";
        a.up = (i->ifa_flags & IFF_UP) != 0;
        a.running = (i->ifa_flags & IFF_RUNNING) != 0;
        a.loopback = (i->ifa_flags & IFF_LOOPBACK) != 0;
        if (i->ifa_addr && i->ifa_addr->sa_family == AF_INET) {
            a.family = AF_INET;
            std::memcpy(a.bytes.data(), &reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr, 4);
        } else if (i->ifa_addr && i->ifa_addr->sa_family == AF_INET6) {
            a.family = AF_INET6;
            std::memcpy(a.bytes.data(), &reinterpret_cast<const sockaddr_in6*>(i->ifa_addr)->sin6_addr, 16);
        }
        out.push_back(a);
    }
    freeifaddrs(list);
    return out;
}

static std::function<bool()>& Probe()
{
    static std::function<bool()> probe;
    return probe;
}

void SetInternetProbe(std::function<bool()> probe) { Probe() = std::move(probe); }

bool InternetConnectionConfigured()
{
    if (Probe()) return Probe()();
    return ConnectionConfigured(ListNetAddresses(), [](const char* n) { return std::getenv(n); });
}

} // namespace ov
