// Checks and addresses built from copied code page 932 text.
#include <gtest/gtest.h>

#include <string>

#include "address_text.h"

using namespace tlxinet;

namespace {

// "ア" and the full-width space: two-byte characters.
const std::string kA = "\x83\x41";
const std::string kFullSpace = "\x81\x40";

}  // namespace

TEST(UrlCheck, AcceptsEachSchemeOnOneLine) {
    for (const char *text : {"http://a.example/", "https://a.example/x?y=1", "ttp://a.example/",
                             "ttps://a.example/", "ftp://files.example/pub"}) {
        EXPECT_TRUE(LooksLikeUrl(text)) << text;
    }
}

TEST(UrlCheck, RejectsOtherStartsAndLineBreaks) {
    for (const char *text : {"", "HTTP://a.example/", " http://a.example/", "tp://a.example/", "ttps:/a",
                             "mailto:x@y", "http://a.example/\r\nhttp://b.example/",
                             "http://a.example/\n", "http://a.example/\r"}) {
        EXPECT_FALSE(LooksLikeUrl(text)) << text;
    }
}

TEST(MailCheck, FindsHalfAndFullWidthAtSigns) {
    EXPECT_TRUE(LooksLikeMailAddress("user@host.example"));
    EXPECT_TRUE(LooksLikeMailAddress("user" + std::string(kFullWidthAt) + "host.example"));
    EXPECT_TRUE(LooksLikeMailAddress(kA + "@" + kA));
}

TEST(MailCheck, MatchesWholeCharactersOnly) {
    // The full-width space ends in 0x40, the code of "@".
    EXPECT_FALSE(LooksLikeMailAddress("user" + kFullSpace + "host"));
    // A character ending in 0x81 followed by one starting with 0x97.
    const std::string straddling = "\x89\x81\x97\x40";
    ASSERT_EQ(1u, straddling.find(kFullWidthAt));
    EXPECT_FALSE(LooksLikeMailAddress(straddling));
}

TEST(MailCheck, RejectsEmptyTextAndLineBreaks) {
    EXPECT_FALSE(LooksLikeMailAddress(""));
    EXPECT_FALSE(LooksLikeMailAddress("a@b.example\r\nc@d.example"));
    EXPECT_FALSE(LooksLikeMailAddress("plain text"));
}

TEST(WebAddress, CompletesTheMissingH) {
    EXPECT_EQ("http://a.example/", WebAddress("ttp://a.example/"));
    EXPECT_EQ("https://a.example/", WebAddress("ttps://a.example/"));
    EXPECT_EQ("http://a.example/", WebAddress("http://a.example/"));
    EXPECT_EQ("C:\\file.txt", WebAddress("C:\\file.txt"));
}

TEST(WebAddress, KeepsWithinTheLimitWithoutSplittingACharacter) {
    const std::string exact = "http://" + std::string(kAddressMaxBytes - 7, 'x');
    EXPECT_EQ(exact, WebAddress(exact + "yyy"));

    const std::string completed = WebAddress("ttp://" + std::string(5000, 'x'));
    EXPECT_EQ(kAddressMaxBytes, completed.size());
    EXPECT_EQ("http://x", completed.substr(0, 8));

    // A two-byte character that would end one byte past the limit is left out whole.
    const std::string text = "http://" + std::string(kAddressMaxBytes - 8, 'x') + kA + "zz";
    const std::string cut = WebAddress(text);
    EXPECT_EQ(kAddressMaxBytes - 1, cut.size());
    EXPECT_EQ('x', cut.back());
}

TEST(MailtoAddress, ReplacesTheFirstFullWidthAtSign) {
    const std::string at(kFullWidthAt);
    EXPECT_EQ("mailto:user@host.example", MailtoAddress("user" + at + "host.example"));
    EXPECT_EQ("mailto:a@b" + at + "c", MailtoAddress("a" + at + "b" + at + "c"));
    EXPECT_EQ("mailto:user@host.example", MailtoAddress("user@host.example"));
    // Bytes 0x81 0x97 that straddle two characters stay as they are.
    EXPECT_EQ("mailto:\x89\x81\x97\x40", MailtoAddress("\x89\x81\x97\x40"));
}

TEST(MailtoAddress, KeepsWithinTheLimit) {
    const std::string address = MailtoAddress(std::string(kMailAddressMaxBytes, 'm') + "@x");
    EXPECT_EQ(kMailAddressMaxBytes, address.size());

    // The replaced at sign shortens the text, which then fits exactly.
    const std::string fits = std::string(kMailAddressMaxBytes - 8, 'm') + std::string(kFullWidthAt);
    EXPECT_EQ("mailto:" + std::string(kMailAddressMaxBytes - 8, 'm') + "@", MailtoAddress(fits));

    const std::string split = MailtoAddress(std::string(kMailAddressMaxBytes - 8, 'm') + kA);
    EXPECT_EQ(kMailAddressMaxBytes - 1, split.size());
}


// The same rules on the Unicode text, for addresses that hold characters
// code page 932 lacks.
TEST(UnicodeAddresses, CompleteReplaceAndCutByWholeCharacters) {
    EXPECT_EQ(u"http://caf\u00e9.example/\U0001F600", WebAddress(u"ttp://caf\u00e9.example/\U0001F600"));
    EXPECT_EQ(u"https://\uD55C.example/", WebAddress(u"ttps://\uD55C.example/"));
    EXPECT_EQ(u"mailto:jos\u00e9@b\uFF20c", MailtoAddress(u"jos\u00e9\uFF20b\uFF20c"));

    // An emoji that would end one unit past the limit is left out whole.
    const std::u16string web = u"http://" + std::u16string(kAddressMaxBytes - 8, u'x') + u"\U0001F600";
    EXPECT_EQ(web.substr(0, kAddressMaxBytes - 1), WebAddress(web));
    const std::u16string mail = std::u16string(kMailAddressMaxBytes - 8, u'm') + u"\U0001F600";
    EXPECT_EQ(u"mailto:" + mail.substr(0, kMailAddressMaxBytes - 8), MailtoAddress(mail));
}
