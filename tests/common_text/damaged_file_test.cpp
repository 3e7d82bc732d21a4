// Where a file that cannot be read back is set aside, keeping earlier ones.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "damaged_file.h"

namespace {

TEST(DamagedFile, IsSetAsideUnderAFreeName) {
    struct Case {
        const char *name;
        std::set<std::string> taken;
        std::optional<std::string> aside;
    };
    std::set<std::string> all;
    all.insert("H.dat.damaged");
    for (int n = 2; n <= tlx::kMaxAsideNumber; ++n) all.insert("H.dat.damaged" + std::to_string(n));
    const Case cases[] = {
        {"first time", {}, "H.dat.damaged"},
        {"an earlier one kept", {"H.dat.damaged"}, "H.dat.damaged2"},
        {"a gap is used", {"H.dat.damaged", "H.dat.damaged3"}, "H.dat.damaged2"},
        {"every name taken", all, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.aside, tlx::SetAsideName("H.dat", [&](const std::string &path) { return c.taken.count(path) > 0; }));
    }
}

}  // namespace
