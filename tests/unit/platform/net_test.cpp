#include "platform/net.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <netinet/in.h>

namespace {

ov::NetAddress V4(const char* text, bool up = true, bool running = true, bool loopback = false)
{
    ov::NetAddress a;
    a.interfaceName = "eth0";
    a.up = up;
    a.running = running;
    a.loopback = loopback;
    a.family = AF_INET;
    inet_pton(AF_INET, text, a.bytes.data());
    return a;
}

ov::NetAddress V6(const char* text)
{
    ov::NetAddress a;
    a.interfaceName = "wlan0";
    a.up = a.running = true;
    a.family = AF_INET6;
    inet_pton(AF_INET6, text, a.bytes.data());
    return a;
}

ov::EnvLookup Env(std::map<std::string, std::string> vars)
{
    return [vars = std::move(vars)](const char* name) -> const char* {
        const auto it = vars.find(name);
        return it == vars.end() ? nullptr : it->second.c_str();
    };
}

TEST(Connectivity, AnInterfaceThatIsUpWithARoutableAddressCounts)
{
    EXPECT_TRUE(ov::ConnectionConfigured({V4("192.168.1.20")}, Env({})));
    EXPECT_TRUE(ov::ConnectionConfigured({V6("2001:db8::5")}, Env({})));
    EXPECT_TRUE(ov::ConnectionConfigured({V4("127.0.0.1", true, true, true), V4("10.0.0.2")}, nullptr));
}

TEST(Connectivity, LoopbackDownLinkLocalOrAddresslessDoNotCount)
{
    ov::NetAddress noAddress;
    noAddress.up = noAddress.running = true;
    const std::vector<ov::NetAddress> none {
        V4("127.0.0.1", true, true, true),
        V4("10.0.0.2", false, false),     // down
        V4("10.0.0.3", true, false),      // up without a link
        V4("169.254.3.4"), V6("fe80::1"), V6("::1"), V6("::"), noAddress};
    EXPECT_FALSE(ov::ConnectionConfigured(none, Env({})));
    EXPECT_FALSE(ov::ConnectionConfigured({}, nullptr));
}

TEST(Connectivity, AProxyInTheEnvironmentCountsInEitherCase)
{
    for (const char* name : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
        EXPECT_TRUE(ov::ConnectionConfigured({}, Env({{name, "http://proxy:3128"}}))) << name;
    EXPECT_FALSE(ov::ConnectionConfigured({}, Env({{"http_proxy", "  "}, {"no_proxy", "x"}})));
}

TEST(Connectivity, ProbeCanBeReplacedAndRestored)
{
    // Whatever this machine's state, a replacement that says the opposite
    // shows whether the real probe is back.
    const bool real = ov::ConnectionConfigured(ov::ListNetAddresses(), [](const char* n) { return std::getenv(n); });
    ov::SetInternetProbe([real] { return !real; });
    EXPECT_EQ(ov::InternetConnectionConfigured(), !real);
    ov::SetInternetProbe(nullptr);
    EXPECT_EQ(ov::InternetConnectionConfigured(), real);
    for (const auto& a : ov::ListNetAddresses()) EXPECT_FALSE(a.interfaceName.empty());
}

} // namespace
