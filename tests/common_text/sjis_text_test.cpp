// Code page 932 text walking shared by the program, the host DLL and the plug-ins.
#include <gtest/gtest.h>

#include <string>

#include "plugin_folder.h"
#include "sjis_text.h"

using namespace sjis;

namespace {
const std::string kA = "\x82\xa0";   // あ
}

TEST(SjisText, LeadBytesAreTheTwoCp932Ranges) {
    for (int b : {0x81, 0x9f, 0xe0, 0xfc}) EXPECT_TRUE(IsSjisLeadByte(static_cast<unsigned char>(b))) << b;
    for (int b : {0x00, 0x5c, 0x7f, 0x80, 0xa0, 0xb1, 0xdf, 0xfd, 0xff})
        EXPECT_FALSE(IsSjisLeadByte(static_cast<unsigned char>(b))) << b;
}

TEST(SjisText, CharactersAndPrefixes) {
    // A lead byte without a valid trail byte is one broken byte, not half of a pair.
    EXPECT_EQ(2u, SjisCharLength(kA, 0));
    EXPECT_EQ(1u, SjisCharLength("\x83", 0));
    EXPECT_EQ(1u, SjisCharLength("\x83\r", 0));
    EXPECT_TRUE(IsBrokenSjisChar("\x83\r", 0));
    EXPECT_FALSE(IsBrokenSjisChar("\xB1", 0));  // half-width katakana

    EXPECT_EQ("ab", SjisPrefix("ab" + kA, 3));
    EXPECT_EQ("ab" + kA, SjisPrefix("ab" + kA, 4));
    EXPECT_EQ("a\xb1\xb2", SjisPrefix("a\xb1\xb2\xb3", 3)) << "half-width katakana are single bytes";
    EXPECT_EQ("ab", SjisPrefix("ab\x83", 10)) << "a lead byte cut off from its trail byte";
    EXPECT_EQ("a\x83\r", SjisPrefix("a\x83\r", 10)) << "a broken byte inside the text stays";
    EXPECT_EQ("", SjisPrefix(kA, 1));
}

TEST(SjisText, FindsWholeCharactersOnly) {
    EXPECT_EQ(std::string::npos, FindSjisChar("\x95\x5c", "\\"));   // 表 ends in a backslash byte
    EXPECT_EQ(2u, FindSjisChar("\x95\x5c\\", "\\"));
    EXPECT_EQ(4u, FindLastSjisChar("a\\b\x95\x5c\\", "\\") - 1);
    // "＠" is 81 97; in "ア＠" no pair straddles, in 0x81 0x81 0x97 only the second pair is "＠".
    EXPECT_EQ(1u, FindSjisChar("x\x81\x97", "\x81\x97"));
    EXPECT_EQ(std::string::npos, FindSjisChar("\x88\x81\x97", "\x81\x97"));
}

TEST(PluginFolder, NamedAfterThePluginBesideIt) {
    EXPECT_EQ("C:\\prog\\Plugins\\tlxInternet\\", tlx::PluginDataFolder("C:\\prog\\Plugins\\tlxInternet.tlx"));
    EXPECT_EQ("C:\\a.b\\Plugins\\web\\", tlx::PluginDataFolder("C:\\a.b\\Plugins\\web"));
    EXPECT_EQ("C:\\P\\my.plugin\\", tlx::PluginDataFolder("C:\\P\\my.plugin.tlx"));
    // "表" is 0x95 0x5C: its second byte is no folder separator.
    EXPECT_EQ("C:\\\x95\x5c\\tlxText\\", tlx::PluginDataFolder("C:\\\x95\x5c\\tlxText.tlx"));
    EXPECT_EQ("C:\\x\\\x95\x5c\\", tlx::PluginDataFolder("C:\\x\\\x95\x5c.tlx"));
}
