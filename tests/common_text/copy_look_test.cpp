// The one look at a copy: what the host hands a plug-in comes back whole, and the marks
// found on a copy decide whether it is private.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#include "copy_look.h"

using tlx::CopyLook;
using tlx::CopyLookFromRecord;
using tlx::CopyLookRecord;
using tlx::FormatPresence;
using tlx::MarkBlock;

namespace {

const tlx::PrivacyFormatIds kIds{0xC101, 0xC102, 0xC103, 0xC104};

std::string Dword(uint32_t value) { return std::string(reinterpret_cast<const char *>(&value), sizeof value); }

// Answers and counts the questions that reach "the system".
struct System {
    std::vector<uint32_t> present;
    std::vector<uint32_t> asked;
    FormatPresence::Ask Ask() {
        return [this](uint32_t format) {
            asked.push_back(format);
            return std::find(present.begin(), present.end(), format) != present.end();
        };
    }
};

TEST(CopyLook, AListedLookHandedOverKeepsFormatsMarksAndVerdict) {
    System host, plugin;
    const CopyLook look{42, FormatPresence(std::vector<uint32_t>{13, 0xC001, kIds.canIncludeInHistory}, host.Ask()),
                        {{kIds.canIncludeInHistory, Dword(0)}, {kIds.viewerIgnore, std::string("KeePass\0", 8)}},
                        true};
    const CopyLookRecord record(look);
    const std::optional<CopyLook> handed = CopyLookFromRecord(record.Record(), plugin.Ask());
    ASSERT_TRUE(handed.has_value());
    EXPECT_EQ(handed->sequence, 42u);
    EXPECT_TRUE(handed->isPrivate);
    ASSERT_EQ(handed->marks.size(), 2u);
    EXPECT_EQ(handed->marks[0].format, kIds.canIncludeInHistory);
    EXPECT_EQ(handed->marks[0].data, Dword(0));
    EXPECT_EQ(handed->marks[1].data, std::string("KeePass\0", 8)) << "data with a NUL inside comes whole";
    for (uint32_t format : {1u, 7u, 13u, 16u, 0xC001u}) EXPECT_TRUE(handed->formats.Has(format)) << format;
    for (uint32_t format : {2u, 0xC002u}) EXPECT_FALSE(handed->formats.Has(format)) << format;
    EXPECT_TRUE(plugin.asked.empty()) << "nothing asked of the system";
    EXPECT_TRUE(host.asked.empty());
}

TEST(CopyLook, WithoutAListingEachSideAsksEachFormatOnce) {
    System host{{1, 13}}, plugin{{1, 13}};
    const CopyLook look{7, FormatPresence(std::nullopt, host.Ask()), {}, false};
    EXPECT_TRUE(look.formats.Has(13));
    EXPECT_TRUE(look.formats.Has(13));
    EXPECT_FALSE(look.formats.Has(2));
    EXPECT_EQ(host.asked, (std::vector<uint32_t>{13, 2}));
    const CopyLookRecord record(look);
    EXPECT_EQ(record.Record().Listed, 0);
    const std::optional<CopyLook> handed = CopyLookFromRecord(record.Record(), plugin.Ask());
    ASSERT_TRUE(handed.has_value());
    EXPECT_TRUE(handed->formats.Has(1));
    EXPECT_TRUE(handed->formats.Has(1));
    EXPECT_EQ(plugin.asked, (std::vector<uint32_t>{1}));
}

TEST(CopyLook, ARecordItCannotReadIsRefused) {
    const CopyLook look{1, FormatPresence(std::vector<uint32_t>{13}, nullptr), {{kIds.viewerIgnore, "x"}}, true};
    const CopyLookRecord record(look);
    const struct {
        const char *what;
        void (*spoil)(TlxCopyLook &);
    } cases[] = {
        {"shorter than this side's record", [](TlxCopyLook &r) { r.Size = offsetof(TlxCopyLook, Formats); }},
        {"formats counted but missing", [](TlxCopyLook &r) { r.Formats = nullptr; }},
        {"marks counted but missing", [](TlxCopyLook &r) { r.Marks = nullptr; }},
    };
    for (const auto &c : cases) {
        TlxCopyLook spoilt = record.Record();
        c.spoil(spoilt);
        EXPECT_FALSE(CopyLookFromRecord(spoilt, nullptr).has_value()) << c.what;
    }
    EXPECT_TRUE(CopyLookFromRecord(record.Record(), nullptr).has_value());
}

TEST(CopyLook, TheMarksOnACopyDecideWhetherItIsPrivate) {
    const struct {
        const char *what;
        std::vector<MarkBlock> marks;
        bool isPrivate;
    } cases[] = {
        {"no mark", {}, false},
        {"exclusion, whatever its data", {{kIds.excludeFromMonitor, ""}}, true},
        {"the older ignore mark", {{kIds.viewerIgnore, "KeePass"}}, true},
        {"history forbidden", {{kIds.canIncludeInHistory, Dword(0)}}, true},
        {"cloud forbidden", {{kIds.canUploadToCloud, Dword(0)}}, true},
        {"history allowed", {{kIds.canIncludeInHistory, Dword(1)}}, false},
        {"a DWORD mark that could not be read", {{kIds.canIncludeInHistory, ""}}, false},
        {"another format", {{0xC200, Dword(0)}}, false},
    };
    for (const auto &c : cases) EXPECT_EQ(c.isPrivate, tlx::IsPrivateCopy(tlx::MarksFrom(c.marks, kIds))) << c.what;
}

}  // namespace
