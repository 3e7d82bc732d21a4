// The keyword in each character set, checked against the system's converter,
// and its encoding for the address.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "keyword.h"
#include "unicode_text.h"

using namespace tlxinet;

namespace {

// Converts with iconv; false when the input holds anything the converter refuses.
bool Iconv(const char *to, const char *from, const std::string &in, std::string &out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1) return false;
    std::string input = in;
    char buffer[64];
    char *inPtr = input.data();
    size_t inLeft = input.size();
    out.clear();
    bool ok = true;
    while (inLeft > 0) {
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        if (r == (size_t)-1 && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    return ok;
}

std::string Hex(const std::string &bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    return out;
}

std::string AsBytes(const std::u16string &text) {
    return std::string(reinterpret_cast<const char *>(text.data()), text.size() * 2);
}

}  // namespace

TEST(EucJp, EveryJisX0208CharacterMatchesIconv) {
    int checked = 0;
    int wrong = 0;
    for (int row = 0xA1; row <= 0xFE; ++row) {
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            const std::string euc{static_cast<char>(row), static_cast<char>(cell)};
            std::string sjis;
            if (!Iconv("SHIFT_JIS", "EUC-JP", euc, sjis) || sjis.size() != 2) continue;
            ++checked;
            const std::string ours = ShiftJisToEucJp(sjis);
            if (ours != euc && ++wrong <= 10)
                ADD_FAILURE() << "Shift_JIS " << Hex(sjis) << "gave " << Hex(ours) << "expected " << Hex(euc);
        }
    }
    EXPECT_EQ(0, wrong);
    EXPECT_EQ(6879, checked) << "JIS X 0208 characters that iconv knows";
}

TEST(EucJp, HalfWidthKatakanaAndMixedTextMatchIconv) {
    std::string sample = "ab\t\r\n 09~";
    for (int b = 0xA1; b <= 0xDF; ++b) sample += static_cast<char>(b);
    sample += "\x95\x5c\x83\x41\x81\x40\x88\x9f";  // 表ア　亜
    std::string expected;
    ASSERT_TRUE(Iconv("EUC-JP", "SHIFT_JIS", sample, expected));
    EXPECT_EQ(Hex(expected), Hex(ShiftJisToEucJp(sample)));
}

TEST(EucJp, DropsLeadBytesWithoutTheirTrailByte) {
    EXPECT_EQ("a", ShiftJisToEucJp("a\x95"));  // odd byte at the end
    EXPECT_EQ("\r\nx", ShiftJisToEucJp("\x95\r\nx"));
    EXPECT_EQ("", ShiftJisToEucJp(""));
}

TEST(Utf8, MatchesIconvIncludingCharactersBeyondTheBmp) {
    const std::u16string text = u"a\u00e9\u8868\U0001F600\U00020B9Fz";
    std::string expected;
    ASSERT_TRUE(Iconv("UTF-8", "UTF-16LE", AsBytes(text), expected));
    const std::string ours = utf::Utf8FromUtf16(text);
    EXPECT_EQ(Hex(expected), Hex(ours));
    EXPECT_EQ("\xF0\x9F\x98\x80", ours.substr(6, 4)) << "one four-byte sequence per surrogate pair";
}

TEST(Utf8, LoneSurrogatesBecomeReplacementCharacters) {
    const std::u16string lone = {u'a', char16_t(0xD83D), u'b', char16_t(0xDE00), char16_t(0xD800)};
    EXPECT_EQ(Hex("a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD"), Hex(utf::Utf8FromUtf16(lone)));
}

TEST(KeywordBytes, TakesTheTextOfTheCharacterSet) {
    EXPECT_EQ("\x95\x5c", KeywordBytes(kCharSetShiftJis, "\x95\x5c", u"x"));
    EXPECT_EQ("\xE8\xA1\xA8", KeywordBytes(kCharSetUtf8, "x", u"\u8868"));
    EXPECT_EQ("\xC9\xBD", KeywordBytes(kCharSetEucJp, "\x95\x5c", u"x"));
    EXPECT_EQ("", KeywordBytes(7, "x", u"x"));
}

TEST(EncodeKeyword, PercentEncodesAllButLettersDigitsAndFourMarks) {
    EXPECT_EQ("a%20b", EncodeKeyword("a b", kCharSetUtf8, true, 100));
    EXPECT_EQ("Az09_-.*", EncodeKeyword("Az09_-.*", kCharSetUtf8, true, 100));
    EXPECT_EQ("%7E%25%2B%2F%3F%26%3D%40", EncodeKeyword("~%+/?&=@", kCharSetUtf8, true, 100));
    EXPECT_EQ("%E8%A1%A8", EncodeKeyword("\xE8\xA1\xA8", kCharSetUtf8, true, 100));
    EXPECT_EQ("%95%5C", EncodeKeyword("\x95\x5c", kCharSetShiftJis, true, 100));
    EXPECT_EQ("%C9%BD%8E%B1", EncodeKeyword("\xC9\xBD\x8E\xB1", kCharSetEucJp, true, 100));
}

TEST(EncodeKeyword, LineBreaksAndTabsVanishInBothModes) {
    for (bool encode : {true, false}) {
        EXPECT_EQ("onetwothree", EncodeKeyword("one\r\ntwo\tthree\n", kCharSetShiftJis, encode, 100)) << encode;
    }
    EXPECT_EQ("a b+c", EncodeKeyword("a b+c\r\n", kCharSetUtf8, false, 100));
}

TEST(EncodeKeyword, StopsAtTheLastWholeCharacterThatFits) {
    // "あ" in UTF-8 is three bytes, nine when encoded.
    const std::string a = "\xE3\x81\x82";
    EXPECT_EQ("x", EncodeKeyword("x" + a, kCharSetUtf8, true, 9));
    EXPECT_EQ("x%E3%81%82", EncodeKeyword("x" + a, kCharSetUtf8, true, 10));
    EXPECT_EQ("x", EncodeKeyword("x" + a, kCharSetUtf8, false, 3));
    EXPECT_EQ("x" + a, EncodeKeyword("x" + a, kCharSetUtf8, false, 4));
    EXPECT_EQ("x", EncodeKeyword("x\x95\x5c", kCharSetShiftJis, false, 2));
    EXPECT_EQ("", EncodeKeyword("abc", kCharSetUtf8, true, 0));
    const std::string big(1 << 20, 'k');
    EXPECT_EQ(std::string(3071, 'k'), EncodeKeyword(big, kCharSetShiftJis, true, 3071));
}

TEST(EncodeKeyword, BrokenShiftJisBytesAreLeftOut) {
    EXPECT_EQ("ab", EncodeKeyword("ab\x95", kCharSetShiftJis, true, 100));
    EXPECT_EQ("ab", EncodeKeyword("ab\x95", kCharSetShiftJis, false, 100));
    EXPECT_EQ("x", EncodeKeyword("\x95\r\nx", kCharSetShiftJis, true, 100));
    // Half-width katakana is a whole character.
    EXPECT_EQ("%B1", EncodeKeyword("\xB1", kCharSetShiftJis, true, 100));
}
