#include <gtest/gtest.h>

#include <string>

#include "html_decode.h"

namespace {

std::u16string Decode(const std::string &bytes) {
    return tlxtext::DecodeHtmlBlock(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
}

std::u16string Decode(const char *bytes, size_t size) {
    return tlxtext::DecodeHtmlBlock(reinterpret_cast<const unsigned char *>(bytes), size);
}

TEST(HtmlDecode, OneToFourByteSequences) {
    // "a", "é" (2 bytes), "日" (3 bytes), "😀" U+1F600 (4 bytes), U+10FFFF (highest)
    EXPECT_EQ(u"a\u00e9\u65e5\U0001F600\U0010FFFF",
              Decode("a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf"));
    EXPECT_EQ(std::u16string(u"\xd83d\xde00"), Decode("\xf0\x9f\x98\x80"));
}

TEST(HtmlDecode, StopsAtFirstNulAndWithinSize) {
    const char block[] = "<b>x</b>\0garbage";
    EXPECT_EQ(u"<b>x</b>", Decode(block, sizeof block - 1));
    EXPECT_EQ(u"<b>", Decode(block, 3));
    EXPECT_EQ(u"", Decode(block, 0));
}

TEST(HtmlDecode, SequenceCutByEndOfBlockKeepsItsBytes) {
    // The block ends inside "日" and inside "😀": nothing past the size is read,
    // each remaining byte becomes a character of its own.
    EXPECT_EQ(u"<p>\u00e6\u0097", Decode("<p>\xe6\x97\xa5", 5));
    EXPECT_EQ(u"\u00f0\u009f\u0098", Decode("\xf0\x9f\x98\x80", 3));
    EXPECT_EQ(u"\u00c3", Decode("\xc3\xa9", 1));
}

TEST(HtmlDecode, MalformedBytesBecomeCharactersOfTheSameValue) {
    EXPECT_EQ(u"\u0080x\u00bf", Decode("\x80x\xbf"));  // stray continuation bytes
    EXPECT_EQ(u"\u00e6A\u00a5", Decode("\xe6" "A\xa5"));  // lead followed by a non-continuation
    EXPECT_EQ(u"\u00f8\u00ff", Decode("\xf8\xff"));  // bytes that start nothing
    // Four-byte forms beyond U+10FFFF or below U+10000 are not characters.
    EXPECT_EQ(u"\u00f4\u0090\u0080\u0080", Decode("\xf4\x90\x80\x80"));
    EXPECT_EQ(u"\u00f0\u0080\u0080\u0080", Decode("\xf0\x80\x80\x80"));
}

TEST(HtmlDecode, WholeClipboardBlockWithHeader) {
    const std::string block =
        "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000150\r\n"
        "<html><body>\xe3\x83\x86\xe3\x82\xb9\xe3\x83\x88</body></html>";
    const std::u16string text = Decode(block + '\0');
    EXPECT_EQ(u"Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000150\r\n<html><body>テスト</body></html>",
              text);
}

}  // namespace
