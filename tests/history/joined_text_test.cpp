#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "joined_text.h"

namespace {

using tlxhistory::EntryKind;
using tlxhistory::HistoryEntry;

HistoryEntry Text(const std::u16string &text) {
    return tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(text),
                                 {{"HTML Format", "<b>formatting is not pasted</b>"}});
}

TEST(JoinedText, EntriesInTheOrderGivenOneToALine) {
    const HistoryEntry files = tlxhistory::MakeEntry(EntryKind::kFiles, tlxhistory::FileListData({u"C:\\a.txt", u"C:\\b.txt"}));
    const HistoryEntry picture =
        tlxhistory::MakeEntry(EntryKind::kImage, std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01", 24));
    struct Case {
        const char *name;
        std::vector<HistoryEntry> entries;
        std::u16string joined;
    };
    const Case cases[] = {
        {"none", {}, u""},
        {"in the order marked", {Text(u"3"), Text(u"1"), Text(u"2")}, u"3\r\n1\r\n2"},
        {"lines of an entry kept", {Text(u"a\r\nb"), Text(u"c")}, u"a\r\nb\r\nc"},
        {"file names one to a line", {Text(u"x"), files}, u"x\r\nC:\\a.txt\r\nC:\\b.txt"},
        {"a picture left out", {picture, Text(u"x"), picture, Text(u"y")}, u"x\r\ny"},
        {"only pictures", {picture, picture}, u""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.joined, tlxhistory::JoinedText(c.entries));
    }
}

}  // namespace
