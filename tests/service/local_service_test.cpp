// The bundled service's port: the line by which it tells it (only a loopback address of ours
// counts), and the port it is asked for first.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/text.h"
#include "service/local_service.h"

namespace plv {
namespace {

TEST(ParseListeningPort, TakesOnlyTheServicesOwnLoopbackLine) {
    struct Case {
        const char* line;
        std::optional<std::uint16_t> port;
    };
    const Case cases[] = {
        {"plv-service: listening on http://127.0.0.1:49731", 49731},
        {"plv-service: listening on http://127.0.0.1:1\r", 1},
        {"plv-service: listening on http://127.0.0.1:65535 ", 65535},
        {"plv-service: listening on http://127.0.0.1:65536", std::nullopt},
        {"plv-service: listening on http://127.0.0.1:0", std::nullopt},
        {"plv-service: listening on http://127.0.0.1:", std::nullopt},
        {"plv-service: listening on http://127.0.0.1:80a", std::nullopt},
        {"plv-service: listening on http://127.0.0.1:000080", std::nullopt},
        {"plv-service: listening on http://10.0.0.1:8080", std::nullopt},
        {"plv-service: listening on http://127.0.0.1.evil:8080", std::nullopt},
        {"warning: plv-service: listening on http://127.0.0.1:8080", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseListeningPort(c.line), c.port) << c.line;
    }
}

TEST(UserServicePort, OnePortAUserKeepsAndOthersDoNotShare) {
    auto anna = UserServicePort(u"C:\\Users\\anna");
    ASSERT_TRUE(anna.has_value());
    EXPECT_EQ(UserServicePort(u"c:\\users\\ANNA"), anna);  // Windows' paths ignore letter case
    EXPECT_NE(UserServicePort(u"C:\\Users\\anne"), anna);
    EXPECT_EQ(UserServicePort(u""), std::nullopt);
    // Every user's port lies in the private range, and users of one computer spread over it.
    std::set<std::uint16_t> ports;
    for (int i = 0; i < 1000; ++i) {
        auto port = UserServicePort(u"C:\\Users\\user" + Widen(std::to_string(i)));
        ASSERT_TRUE(port.has_value());
        EXPECT_GE(*port, 49152);
        ports.insert(*port);
    }
    EXPECT_GT(ports.size(), 950u);
}

}  // namespace
}  // namespace plv
