#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "earlier_history_file.h"
#include "history_file.h"

namespace {

using tlxhistory::EntryForm;
using tlxhistory::EntryKind;
using historytest::EarlierVersionFile;
using tlxhistory::HistoryEntry;

const EntryForm kHtml{"HTML Format", "Version:0.9\r\nStartHTML:0\r\n<b>太字</b>"};
const EntryForm kRtf{"Rich Text Format", "{\\rtf1 {\\b bold}}"};

std::vector<HistoryEntry> Sample() {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x02\0\0\0\x03rest", 28);
    std::vector<HistoryEntry> entries = {
        tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"😀 한글 テキスト\r\n")),
        tlxhistory::MakeEntry(EntryKind::kFiles, tlxhistory::FileListData({u"C:\\ä\\한.txt", u"C:\\b"})),
        tlxhistory::MakeEntry(EntryKind::kImage, png),
        tlxhistory::MakeEntry(EntryKind::kText, ""),
    };
    entries[1].pinned = true;
    // Times as copied, one not known (read from an earlier version), one beyond 2038.
    const int64_t times[] = {1767225600, 0, 4102444800, -1};
    for (size_t i = 0; i < entries.size(); ++i) entries[i].copiedAt = times[i];
    return entries;
}

// The sample with formatted text entries: one with both forms and pinned, one with HTML alone.
std::vector<HistoryEntry> SampleWithForms() {
    std::vector<HistoryEntry> entries = Sample();
    entries.insert(entries.begin(), tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"太字"),
                                                          {kHtml, kRtf}));
    entries.front().pinned = true;
    entries.push_back(tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"bold"), {kHtml}));
    return entries;
}

void ExpectSameEntries(const std::vector<HistoryEntry> &expected, const std::vector<HistoryEntry> &actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].kind, actual[i].kind);
        EXPECT_EQ(expected[i].data, actual[i].data);
        EXPECT_EQ(expected[i].forms, actual[i].forms);
        EXPECT_EQ(expected[i].pinned, actual[i].pinned);
        EXPECT_EQ(expected[i].key, actual[i].key);
        EXPECT_EQ(expected[i].copiedAt, actual[i].copiedAt);
    }
}

void PutU32(std::string &out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The entries as an earlier version keeps them: no time known, and in the first no forms.
std::vector<HistoryEntry> AsKeptBy(uint32_t version, std::vector<HistoryEntry> entries) {
    for (HistoryEntry &entry : entries) {
        entry.copiedAt = 0;
        if (version == 1) entry = tlxhistory::WithoutForms(std::move(entry));
    }
    return entries;
}

TEST(HistoryFile, RoundTripKeepsEveryEntryFormAndPin) {
    for (const auto &entries : {Sample(), SampleWithForms(), std::vector<HistoryEntry>{}}) {
        SCOPED_TRACE(entries.size());
        const auto back = tlxhistory::ParseHistory(tlxhistory::SerializeHistory(entries));
        ASSERT_TRUE(back.has_value());
        ExpectSameEntries(entries, *back);
    }
}

TEST(HistoryFile, AnEarlierVersionsFileIsReadAndWrittenInTheNewOne) {
    for (const uint32_t version : {1u, 2u}) {
        SCOPED_TRACE(version);
        const auto entries = AsKeptBy(version, SampleWithForms());
        const std::string earlier = EarlierVersionFile(version, entries);
        const auto back = tlxhistory::ParseHistory(earlier);
        ASSERT_TRUE(back.has_value());
        ExpectSameEntries(entries, *back);
        EXPECT_TRUE(tlxhistory::OfEarlierVersion(earlier));
        const std::string upgraded = tlxhistory::SerializeHistory(*back);
        EXPECT_FALSE(tlxhistory::OfEarlierVersion(upgraded));
        EXPECT_EQ(upgraded[8], static_cast<char>(tlxhistory::kHistoryFileVersion));
        ASSERT_TRUE(tlxhistory::ParseHistory(upgraded).has_value());
        ExpectSameEntries(entries, *tlxhistory::ParseHistory(upgraded));
    }
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
    const std::string one = tlxhistory::SerializeHistory({Sample().front()});
    const std::string first = EarlierVersionFile(1, AsKeptBy(1, Sample()));
    const size_t firstEntry = 16;   // signature, version, count
    const size_t firstLength = firstEntry + 2 + 8;   // after kind, flags and time
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
        {"newer version", Resealed(good.substr(0, 8) + static_cast<char>(tlxhistory::kHistoryFileVersion + 1) + good.substr(9))},
        {"version 0 (laid out as the first)", Resealed(first.substr(0, 8) + '\x00' + first.substr(9))},
        {"count beyond entries", Resealed(good.substr(0, 12) + '\x05' + good.substr(13))},
        {"huge count", Resealed(good.substr(0, 12) + "\xff\xff\xff\x7f" + good.substr(16))},
        {"unknown kind", Resealed(good.substr(0, firstEntry) + '\x09' + good.substr(firstEntry + 1))},
        {"unknown flag", Resealed(good.substr(0, firstEntry + 1) + '\x02' + good.substr(firstEntry + 2))},
        {"length past the end",
         Resealed(good.substr(0, firstLength) + "\xff\xff\xff\xff" + good.substr(firstLength + 4))},
        {"cut inside a time", Resealed(one.substr(0, firstEntry + 2 + 4) + "0000")},
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

// A file of one text entry whose forms are written as given: a count, then each
// form's name length, name, length and bytes.
std::string TextWithFormBytes(const std::string &forms, EntryKind kind = EntryKind::kText) {
    const std::string data = kind == EntryKind::kFiles ? std::string("a\0\0\0", 4) : std::string("a\0", 2);
    std::string file("PTRHIST\0", 8);
    PutU32(file, tlxhistory::kHistoryFileVersion);
    PutU32(file, 1);
    file += static_cast<char>(kind);
    file += '\0';
    file += std::string(8, '\0');   // time
    PutU32(file, static_cast<uint32_t>(data.size()));
    file += data + forms;
    PutU32(file, tlxhistory::Crc32(file));
    return file;
}

std::string Form(const std::string &name, const std::string &data) {
    std::string form(1, static_cast<char>(name.size()));
    form += name;
    PutU32(form, static_cast<uint32_t>(data.size()));
    return form + data;
}

TEST(HistoryFile, DamagedFormsAreRefused) {
    const std::string html = Form("HTML Format", "<b>a</b>");
    const std::string rtf = Form("Rich Text Format", "{\\rtf1 a}");
    struct Case {
        const char *name;
        std::string file;
        bool read;
    };
    const Case cases[] = {
        {"no forms", TextWithFormBytes(std::string(1, '\0')), true},
        {"both forms", TextWithFormBytes('\x02' + html + rtf), true},
        {"forms missing", TextWithFormBytes(""), false},
        {"count past the end", TextWithFormBytes('\x03' + html + rtf), false},
        {"name past the end", TextWithFormBytes(std::string("\x01\x40HTML", 6)), false},
        {"bytes past the end", TextWithFormBytes('\x01' + html.substr(0, html.size() - 2)), false},
        {"unknown form", TextWithFormBytes('\x01' + Form("Bitmap", "BM")), false},
        {"a form twice", TextWithFormBytes('\x02' + html + html), false},
        {"a form without bytes", TextWithFormBytes('\x01' + Form("HTML Format", "")), false},
        {"forms of a file list", TextWithFormBytes('\x01' + html, EntryKind::kFiles), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.read, tlxhistory::ParseHistory(c.file).has_value());
    }
}

TEST(HistoryFile, ChecksumIsTheStandardCrc32) {
    EXPECT_EQ(0xCBF43926u, tlxhistory::Crc32("123456789"));
}

}  // namespace
