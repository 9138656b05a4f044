// SPDX-License-Identifier: MIT
// Seeded random sessions through the fuzz target's own entry: the same
// decoding of actions and the same checks after every action, in every build.
// A fault aborts with the step and the board before and after it.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

TEST(BoardSessions, SeededRandomSessionsKeepTheBoardConsistent)
{
    constexpr std::uint32_t sessions = 200;
    constexpr std::size_t bytesPerSession = 1000;
    for (std::uint32_t seed = 1; seed <= sessions; ++seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> byte(0, 255);
        std::vector<std::uint8_t> session(bytesPerSession);
        for (std::uint8_t &each : session)
            each = static_cast<std::uint8_t>(byte(random));
        SCOPED_TRACE(seed);
        EXPECT_EQ(LLVMFuzzerTestOneInput(session.data(), session.size()), 0);
    }
}
