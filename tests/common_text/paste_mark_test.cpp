// The mark on what the program puts on the clipboard itself, read back as written, and
// blocks of other shapes refused or read as far as they go.
#include <gtest/gtest.h>

#include "paste_mark.h"

using tlx::PasteMark;

namespace {

TEST(PasteMark, ReadBackAsWritten) {
    for (const PasteMark &mark : {PasteMark{PasteMark::Kind::kOffered, u""},
                                  PasteMark{PasteMark::Kind::kGivenBack, u"EXCEL.EXE"},
                                  PasteMark{PasteMark::Kind::kGivenBack, u"メモ帳😀.exe"}}) {
        const std::string bytes = tlx::PasteMarkBytes(mark);
        EXPECT_GE(bytes.size(), 6u) << "never an empty block";
        const std::optional<PasteMark> read = tlx::ReadPasteMark(bytes);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(mark.kind, read->kind);
        EXPECT_TRUE(mark.source == read->source);
    }
}

TEST(PasteMark, BlocksOfOtherShapes) {
    const std::string kGivenBack("\x02\0\0\0", 4);
    const struct {
        const char *what;
        std::string bytes;
        std::optional<std::u16string> source;   // nothing: refused
    } cases[] = {
        {"shorter than its kind", std::string("\x01\0\0", 3), std::nullopt},
        {"a kind not known", std::string("\x03\0\0\0", 4), std::nullopt},
        {"a kind in the wrong byte order", std::string("\0\0\0\x02", 4), std::nullopt},
        {"no source at all", kGivenBack, u""},
        {"a source without its NUL", kGivenBack + std::string("A\0B\0", 4), u"AB"},
        {"an odd byte at the end", kGivenBack + std::string("A\0B", 3), u"A"},
        {"what follows the NUL", kGivenBack + std::string("A\0\0\0B\0", 6), u"A"},
    };
    for (const auto &c : cases) {
        const std::optional<PasteMark> read = tlx::ReadPasteMark(c.bytes);
        EXPECT_EQ(c.source.has_value(), read.has_value()) << c.what;
        if (read && c.source) {
            EXPECT_TRUE(*c.source == read->source) << c.what;
        }
    }
}

}  // namespace
