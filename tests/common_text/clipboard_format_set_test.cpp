#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "clipboard_format_set.h"

namespace {

// The system's numbers: text, bitmap, metafile picture, OEM text, DIB, Unicode text,
// enhanced metafile, locale, DIB v5, and a registered format.
constexpr uint32_t kText = 1, kBitmap = 2, kMetafilePict = 3, kOemText = 7, kDib = 8, kUnicodeText = 13,
                   kEnhMetafile = 14, kHdrop = 15, kLocale = 16, kDibV5 = 17, kRegistered = 0xC0F1;
const uint32_t kAsked[] = {kText,        kBitmap,      kMetafilePict, kOemText, kDib,  kUnicodeText,
                           kEnhMetafile, kHdrop,       kLocale,       kDibV5,   kRegistered};

TEST(ClipboardFormatSet, HoldsThePlacedFormatsAndWhatTheSystemMakesOfThem) {
    struct Case {
        const char *copy;
        std::vector<uint32_t> placed;
        std::vector<uint32_t> present;   // of kAsked, in its order
    };
    const Case cases[] = {
        {"nothing", {}, {}},
        {"Unicode text: both other text forms and a locale", {kUnicodeText}, {kText, kOemText, kUnicodeText, kLocale}},
        {"8-bit text", {kText}, {kText, kOemText, kUnicodeText, kLocale}},
        {"a DIB: the bitmap forms", {kDib}, {kBitmap, kDib, kDibV5}},
        {"an enhanced metafile: the picture too", {kEnhMetafile}, {kMetafilePict, kEnhMetafile}},
        {"files and a registered format: nothing made", {kRegistered, kHdrop}, {kHdrop, kRegistered}},
        {"a format listed twice", {kHdrop, kHdrop}, {kHdrop}},
    };
    for (const Case &c : cases) {
        const tlx::ClipboardFormatSet set(c.placed);
        std::vector<uint32_t> present;
        for (const uint32_t format : kAsked)
            if (set.Contains(format)) present.push_back(format);
        EXPECT_EQ(present, c.present) << c.copy;
    }
}

}  // namespace
