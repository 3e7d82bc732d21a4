// The rule that decides from a copy's marks whether it is private.
#include <gtest/gtest.h>

#include "private_copy.h"

using tlx::IsPrivateCopy;
using tlx::PrivacyMarks;

namespace {

std::string Dword(uint32_t value) { return std::string(reinterpret_cast<const char *>(&value), sizeof value); }

TEST(PrivateCopy, MarksAndTheirValues) {
    const struct {
        const char *what;
        PrivacyMarks marks;
        bool isPrivate;
    } cases[] = {
        {"no mark", {}, false},
        {"exclusion with data 1", {true, false, std::nullopt, std::nullopt}, true},
        {"the older ignore mark", {false, true, std::nullopt, std::nullopt}, true},
        {"history forbidden", {false, false, Dword(0), std::nullopt}, true},
        {"cloud forbidden", {false, false, std::nullopt, Dword(0)}, true},
        {"history and cloud forbidden", {false, false, Dword(0), Dword(0)}, true},
        {"history allowed", {false, false, Dword(1), std::nullopt}, false},
        {"both allowed", {false, false, Dword(1), Dword(1)}, false},
        {"any value but 0 allows", {false, false, Dword(0x100), Dword(0xFFFFFFFF)}, false},
        {"allowed history does not lift the exclusion", {true, false, Dword(1), Dword(1)}, true},
        {"data too short for a DWORD", {false, false, std::string(3, '\0'), std::string()}, false},
        {"a longer block is read from its start", {false, false, Dword(0) + "xx", std::nullopt}, true},
    };
    for (const auto &c : cases) EXPECT_EQ(c.isPrivate, IsPrivateCopy(c.marks)) << c.what;
}

}  // namespace
