// The line by which the bundled service tells its port: only a loopback address of ours counts.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace plv
