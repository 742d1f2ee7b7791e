#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ov {

// One address of a network interface, as the system lists it.
struct NetAddress {
    std::string interfaceName;
    bool up = false;       // administratively up
    bool running = false;  // has a carrier / link
    bool loopback = false;
    int family = 0;        // AF_INET, AF_INET6, or 0 for an entry without address
    std::array<uint8_t, 16> bytes {}; // the first 4 for IPv4
};

// An address that can reach beyond the local link: not loopback, not
// unspecified, not IPv4 169.254/16 nor IPv6 fe80::/10 (every interface gets
// those without any network behind it).
bool IsRoutableAddress(const NetAddress& a);

// Reads an environment variable; null when unset.
using EnvLookup = std::function<const char*(const char*)>;

// "An Internet connection is configured": an interface that is up and
// running and holds a routable address, or a proxy named in the environment
// (http_proxy, https_proxy, all_proxy in lower or upper case). Like the
// Windows call it replaces, this does not check that anything answers.
bool ConnectionConfigured(const std::vector<NetAddress>& addresses, const EnvLookup& env);

// The system's addresses (getifaddrs); empty when they cannot be listed.
std::vector<NetAddress> ListNetAddresses();

// The decision for this machine now. Tests replace the probe so that a form
// can be driven with and without a connection.
bool InternetConnectionConfigured();
void SetInternetProbe(std::function<bool()> probe); // empty restores the real one

inline constexpr const char* kNoConnectionMessage = "Internet connection required.";

} // namespace ov
