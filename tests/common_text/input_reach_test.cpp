// Whether our keys reach the window of another program, by the two programs' standings.
#include <gtest/gtest.h>

#include "input_reach.h"

namespace {

using tlx::ProcessStanding;

constexpr uint32_t kLow = 0x1000;
constexpr uint32_t kMedium = tlx::kMediumIntegrity;
constexpr uint32_t kHigh = tlx::kHighIntegrity;
constexpr uint32_t kSystem = 0x4000;

TEST(InputReach, ProgramsAboveOursDropOurKeys) {
    const ProcessStanding user{kMedium, false, false};
    const ProcessStanding admin{kHigh, true, false};
    struct Case {
        const char *name;
        std::optional<ProcessStanding> ours, theirs;
        bool reaches;
    };
    const Case cases[] = {
        {"same level", user, user, true},
        {"as administrator from a user's program", user, admin, false},
        {"a user's program from one as administrator", admin, user, true},
        {"both as administrator", admin, admin, true},
        {"a higher level not reported as elevated", user, ProcessStanding{kHigh, false, false}, false},
        {"elevated not reported as a higher level", user, ProcessStanding{kMedium, true, false}, false},
        {"elevated above one at its level that is not", ProcessStanding{kHigh, false, false}, admin, false},
        {"one at the high level that is not elevated, from administrator", admin, ProcessStanding{kHigh, false, false},
         true},
        {"a lower level", user, ProcessStanding{kLow, false, false}, true},
        {"from a low program to a user's", ProcessStanding{kLow, false, false}, user, false},
        {"the system's from one as administrator", admin, ProcessStanding{kSystem, false, false}, false},
        {"ours with UI access", ProcessStanding{kMedium, false, true}, admin, true},
        {"their token unreadable from a user's program", user, std::nullopt, false},
        {"their token unreadable from one as administrator", admin, std::nullopt, true},
        {"a system without levels", std::nullopt, std::nullopt, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.reaches, tlx::InputReaches(c.ours, c.theirs));
    }
}

}  // namespace
