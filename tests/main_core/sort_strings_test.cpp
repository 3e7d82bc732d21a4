#include <gtest/gtest.h>

#include <algorithm>

#include "sort_strings.h"
#include "text_util.h"

using namespace ptr;

static void Sort(std::vector<std::string> &v) {
    if (!v.empty()) SortStrings(v, 0, static_cast<int>(v.size()) - 1);
}

TEST(SortStrings, CaseInsensitiveOrder) {
    std::vector<std::string> v = {"b.tlx", "C.TLX", "a.tlx", "B2.tlx", "tlxText.tlx", "TlxInternet.tlx"};
    Sort(v);
    EXPECT_EQ((std::vector<std::string>{"a.tlx", "b.tlx", "B2.tlx", "C.TLX", "TlxInternet.tlx", "tlxText.tlx"}), v);
}

TEST(SortStrings, LargeSortedReversedAndEqualInputs) {
    for (int pattern = 0; pattern < 3; ++pattern) {
        SCOPED_TRACE(pattern);
        std::vector<std::string> v;
        for (int i = 0; i < 20000; ++i) {
            const int key = pattern == 0 ? i : pattern == 1 ? 20000 - i : 7;
            char name[32];
            std::snprintf(name, sizeof name, "%s%06d.tlx", i % 2 ? "P" : "p", key);
            v.emplace_back(name);
        }
        Sort(v);
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end(),
                                   [](const std::string &a, const std::string &b) { return CompareNoCase(a, b) < 0; }));
    }
}
