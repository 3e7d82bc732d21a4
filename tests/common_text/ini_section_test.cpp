// A section read in memory answers each key as the profile functions do: the cases where
// a simple parser goes wrong. The Wine test ini_section_wine compares it with the system.
#include <gtest/gtest.h>

#include <string>

#include "ini_section.h"

using ini::IniSection;

namespace {

IniSection Block(const std::string &block) { return IniSection(block); }

// Entries as the system hands them over: each ended by a NUL, the list by one more.
IniSection Entries(std::initializer_list<std::string> entries) {
    std::string block;
    for (const std::string &entry : entries) block += entry + '\0';
    return IniSection(block + '\0');
}

}  // namespace

TEST(IniSection, FindsTheFirstEntryOfANameInAnyLetterCase) {
    const IniSection s = Entries({"001Caption=one", "001CAPTION=two", "Key", "Key=late", "Empty=", ";Note=x", "=nameless", "Spaced =x",
                                  "", "After=end"});
    struct Case { const char *key; const char *expected; } cases[] = {
        {"001caption", "one"},   // duplicates: the first wins, whatever the case
        {" 001Caption\t", "one"},   // blanks around the asked name do not count
        {"Spaced", "def"},       // but those of a name in the file do
        {"Key", "def"},          // a line without "=" reads as missing and hides the later one
        {"Empty", ""},           // an empty value is a value
        {";Note", "def"},        // comments are no keys
        {"", "nameless"},
        {"After", "def"},        // the block ends at its empty entry
    };
    for (const Case &c : cases) EXPECT_EQ(c.expected, s.Text(c.key, "def", 100)) << c.key;
    EXPECT_FALSE(s.Empty());
    EXPECT_TRUE(Block("").Empty());
    EXPECT_TRUE(Entries({"", "x=1"}).Empty());
    // A block cut without its final NUL still gives its last entry.
    EXPECT_EQ("5", Block("A=5").Text("a", "", 100));
}

TEST(IniSection, LetterCaseFoldsOnlyOutsideDoubleByteCharacters) {
    // The second bytes of "ア" (83 41) and of "チ" (83 61) are "A" and "a".
    const IniSection s = Entries({"\x83\x41=katakana-a"});
    EXPECT_EQ("katakana-a", s.Text("\x83\x41", "", 100));
    EXPECT_EQ("none", s.Text("\x83\x61", "none", 100));
}

TEST(IniSection, QuotesAndBufferCutsMatchTheSystem) {
    struct Case { const char *value; size_t buffer; const char *expected; } cases[] = {
        {"\"quoted\"", 100, "quoted"},
        {"'single'", 100, "single"},
        {"\"open", 100, "\"open"},           // no closing quote: kept
        {"\"mixed'", 100, "\"mixed'"},
        {"\"", 100, "\""},                   // a lone quote is no pair
        {"\"\"", 100, ""},
        {"\"a\"b\"", 100, "a\"b"},           // only the outer pair goes
        {"abcdef", 4, "abc"},                // buffer - 1 characters
        {"\"abcd\"", 6, "abcd"},             // the closing quote just fits
        {"\"abcd\"", 5, "abc"},              // it does not: the last letter goes instead
        {"\"abcd\"", 4, "abc"},              // cut further: the closing quote is never reached
        {"abc", 1, ""},
        {"abc", 0, ""},
        // Characters are counted first, then whole ones cut to the bytes: "あいう" is 3
        // characters, 6 bytes.
        {"\x82\xa0\x82\xa2\x82\xa4", 4, "\x82\xa0"},
        {"\x82\xa0\x82\xa2\x82\xa4", 2, ""},
        {"\"\x82\xa0\x82\xa2\"", 3, "\x82\xa0"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.expected, Block(std::string("k=") + c.value).Text("k", "", c.buffer)) << c.value << " / " << c.buffer;
    // The default goes through the same copy; one of blanks only reads as empty.
    EXPECT_EQ("dflt", Block("").Text("k", "\"dflt\"", 100));
    EXPECT_EQ("", Block("").Text("k", "   ", 100));
    EXPECT_EQ("a  ", Block("").Text("k", "a  ", 100));
}

TEST(IniSection, NumbersReadAsTheSystemReadsThem) {
    struct Case { const char *value; int32_t expected; } cases[] = {
        {" 5", 5},
        {"-1", -1},
        {"+7x", 7},
        {"12abc", 12},
        {"abc", 0},
        {"0x1F", 31},
        {"0X1F", 0},           // only a lower-case prefix counts
        {"0o17", 15},
        {"0b101", 5},
        {"-0x10", -16},
        {"4294967297", 1},     // 32 bits, wrapping
        {"2147483648", INT32_MIN},
        {"\"42\"", 42},
        {"\x82\x54", 0},       // a full-width digit is no digit
        // The system reads at most 29 characters; a closing quote that does not fit
        // takes the last digit with it.
        {"\"12345678901234567890123456789\"", -1103563954},   // 1234567890123456789012345678 mod 2^32
    };
    for (const Case &c : cases) EXPECT_EQ(c.expected, Block(std::string("n=") + c.value).Number("n", -9)) << c.value;
    EXPECT_EQ(-9, Block("n=").Number("n", -9));
    EXPECT_EQ(-9, Block("n=\"\"").Number("n", -9));
    EXPECT_EQ(-9, Block("n").Number("n", -9));
    EXPECT_EQ(-9, Block("").Number("n", -9));
}

TEST(IniSection, NamesAreTrimmedOfWhiteSpaceButNotOfFullWidthSpaces) {
    EXPECT_EQ("Menu", ini::TrimIniName(" \t\r\nMenu\x1a "));
    EXPECT_EQ("\x81\x40Sub menu\x81\x40", ini::TrimIniName("\x81\x40Sub menu\x81\x40"));
    EXPECT_EQ("\x1c" "7", ini::TrimIniName("\x1c" "7"));
    EXPECT_EQ("", ini::TrimIniName(" \t "));
}
