#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "drop_files.h"

namespace {

// A file-list block: header with the names' offset and the wide flag, then the names.
std::string Block(bool wide, const std::string &names, uint32_t offset = 20) {
    std::string block(20, '\0');
    for (int i = 0; i < 4; ++i) block[i] = static_cast<char>(offset >> (8 * i));
    block[16] = wide ? 1 : 0;
    return block + names;
}

std::string Widen(const std::string &ascii) {
    std::string out;
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

tlxtext::DropFilesLayout Inspect(const std::string &block) {
    return tlxtext::InspectDropFiles(reinterpret_cast<const unsigned char *>(block.data()), block.size());
}

TEST(DropFiles, WellFormedAnsiAndWideLists) {
    auto ansi = Inspect(Block(false, std::string("C:\\a.txt\0D:\\b\0\0", 16)));
    EXPECT_TRUE(ansi.valid);
    EXPECT_FALSE(ansi.wide);
    EXPECT_EQ(2u, ansi.count);

    auto wide = Inspect(Block(true, Widen(std::string("C:\\a\0C:\\bb\0C:\\c\0\0", 17))));
    EXPECT_TRUE(wide.valid);
    EXPECT_TRUE(wide.wide);
    EXPECT_EQ(3u, wide.count);

    auto empty = Inspect(Block(false, std::string("\0", 1)));
    EXPECT_TRUE(empty.valid);
    EXPECT_EQ(0u, empty.count);
}

TEST(DropFiles, ListsThatRunPastTheBlockAreRefused) {
    // Last name not terminated; list not ended by an empty name; no names at all.
    EXPECT_FALSE(Inspect(Block(false, "C:\\a.txt")).valid);
    EXPECT_FALSE(Inspect(Block(false, std::string("C:\\a.txt\0", 9))).valid);
    EXPECT_FALSE(Inspect(Block(false, "")).valid);
    // A wide list whose final empty name is cut in half.
    EXPECT_FALSE(Inspect(Block(true, Widen(std::string("C:\\a\0", 5)) + std::string("\0", 1))).valid);
    // A wide name made of ANSI bytes: a single zero byte does not end it.
    EXPECT_FALSE(Inspect(Block(true, std::string("C:\\a\0\0", 6))).valid);
}

TEST(DropFiles, BrokenHeadersAreRefused) {
    EXPECT_FALSE(Inspect(std::string(19, '\0')).valid);
    EXPECT_FALSE(tlxtext::InspectDropFiles(nullptr, 0).valid);
    EXPECT_FALSE(Inspect(Block(false, std::string("a\0\0", 3), 4000)).valid);  // offset past the end
    EXPECT_FALSE(Inspect(Block(false, std::string("a\0\0", 3), 23)).valid);    // offset at the end
    EXPECT_FALSE(Inspect(Block(false, std::string("a\0\0", 3), 8)).valid);     // offset inside the header
    // An offset that skips ahead is followed.
    auto skipped = Inspect(Block(false, std::string("xxxxC:\\a\0\0", 10), 24));
    EXPECT_TRUE(skipped.valid);
    EXPECT_EQ(1u, skipped.count);
}

TEST(DropFiles, JoinFileNames) {
    using tlxtext::JoinFileNames;
    EXPECT_EQ("C:\\a.txt", JoinFileNames({"C:\\a.txt"}, "\r\n"));
    EXPECT_EQ("C:\\aC:\\b", JoinFileNames({"C:\\a", "C:\\b"}, ""));
    EXPECT_EQ("C:\\a\tC:\\b\tC:\\c", JoinFileNames({"C:\\a", "C:\\b", "C:\\c"}, "\t"));
    EXPECT_EQ("", JoinFileNames({}, ";"));
}

}  // namespace
