#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "history_file.h"

namespace {

using tlxhistory::EntryKind;

std::vector<tlxhistory::HistoryEntry> Sample() {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x02\0\0\0\x03rest", 28);
    std::vector<tlxhistory::HistoryEntry> entries = {
        tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"😀 한글 テキスト\r\n")),
        tlxhistory::MakeEntry(EntryKind::kFiles, tlxhistory::FileListData({u"C:\\ä\\한.txt", u"C:\\b"})),
        tlxhistory::MakeEntry(EntryKind::kImage, png),
        tlxhistory::MakeEntry(EntryKind::kText, ""),
    };
    entries[1].pinned = true;
    return entries;
}

TEST(HistoryFile, RoundTripKeepsEveryEntryAndPin) {
    const auto entries = Sample();
    const auto back = tlxhistory::ParseHistory(tlxhistory::SerializeHistory(entries));
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(entries.size(), back->size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].kind, (*back)[i].kind);
        EXPECT_EQ(entries[i].data, (*back)[i].data);
        EXPECT_EQ(entries[i].pinned, (*back)[i].pinned);
        EXPECT_EQ(entries[i].key, (*back)[i].key);
    }
    EXPECT_TRUE(tlxhistory::ParseHistory(tlxhistory::SerializeHistory({})).has_value());
}

// Replaces the checksum so that only the damage named is left to be found.
std::string Resealed(std::string file) {
    file.resize(file.size() - 4);
    const uint32_t crc = tlxhistory::Crc32(file);
    for (int i = 0; i < 4; ++i) file += static_cast<char>((crc >> (8 * i)) & 0xFF);
    return file;
}

TEST(HistoryFile, DamagedFilesAreRefused) {
    const std::string good = tlxhistory::SerializeHistory(Sample());
    const size_t firstEntry = 16;   // signature, version, count
    struct Case {
        const char *name;
        std::string file;
    };
    std::string flipped = good;
    flipped[40] ^= 0x01;
    const Case cases[] = {
        {"empty", ""},
        {"cut short", good.substr(0, good.size() - 7)},
        {"one bit flipped", flipped},
        {"bytes appended", good + "x"},
        {"bytes appended and resealed", Resealed(good.substr(0, good.size() - 4) + "xxxx" + "0000")},
        {"other signature", Resealed("PTRHISU" + good.substr(7))},
        {"newer version", Resealed(good.substr(0, 8) + '\x02' + good.substr(9))},
        {"count beyond entries", Resealed(good.substr(0, 12) + '\x05' + good.substr(13))},
        {"huge count", Resealed(good.substr(0, 12) + "\xff\xff\xff\x7f" + good.substr(16))},
        {"unknown kind", Resealed(good.substr(0, firstEntry) + '\x09' + good.substr(firstEntry + 1))},
        {"unknown flag", Resealed(good.substr(0, firstEntry + 1) + '\x02' + good.substr(firstEntry + 2))},
        {"length past the end",
         Resealed(good.substr(0, firstEntry + 2) + "\xff\xff\xff\xff" + good.substr(firstEntry + 6))},
        {"odd text length", Resealed(tlxhistory::SerializeHistory({tlxhistory::MakeEntry(EntryKind::kText, "abc")}))},
        {"image without PNG header",
         Resealed(tlxhistory::SerializeHistory({tlxhistory::MakeEntry(EntryKind::kImage, "GIF89a")}))},
        {"file list without end", Resealed(tlxhistory::SerializeHistory(
                                      {tlxhistory::MakeEntry(EntryKind::kFiles, std::string("a\0b\0", 4))}))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(tlxhistory::ParseHistory(c.file).has_value());
    }
}

TEST(HistoryFile, ADamagedFileIsSetAsideUnderAFreeName) {
    struct Case {
        const char *name;
        std::set<std::string> taken;
        std::optional<std::string> aside;
    };
    std::set<std::string> all;
    all.insert("H.dat.damaged");
    for (int n = 2; n <= tlxhistory::kMaxAsideNumber; ++n) all.insert("H.dat.damaged" + std::to_string(n));
    const Case cases[] = {
        {"first time", {}, "H.dat.damaged"},
        {"an earlier one kept", {"H.dat.damaged"}, "H.dat.damaged2"},
        {"a gap is used", {"H.dat.damaged", "H.dat.damaged3"}, "H.dat.damaged2"},
        {"every name taken", all, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.aside, tlxhistory::SetAsideName("H.dat", [&](const std::string &path) { return c.taken.count(path) > 0; }));
    }
}

TEST(HistoryFile, ChecksumIsTheStandardCrc32) {
    EXPECT_EQ(0xCBF43926u, tlxhistory::Crc32("123456789"));
}

}  // namespace
