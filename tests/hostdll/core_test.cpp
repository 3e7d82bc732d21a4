// Cutting code page 932 text at character boundaries; a received request record.
#include <gtest/gtest.h>
#include <cstring>
#include <string>

#include "call_record.h"
#include "copy_text.h"

namespace {

const std::string kA = "\x82\xa0";     // あ
const std::string kSo = "\x83\x5c";    // ソ: the trail byte is a backslash
const std::string kHalfKana = "\xb1";  // ｱ, a single byte

std::string Cut(const std::string &text, size_t bufferSize) {
    std::string buffer(bufferSize, '\x7f');
    const size_t copied = kx::CopySjisTruncated(buffer.data(), bufferSize, text.c_str());
    EXPECT_EQ('\0', buffer[copied]);
    return buffer.substr(0, copied);
}

TEST(SjisText, KeepsTextThatFits) {
    EXPECT_EQ("", Cut("", 4));
    EXPECT_EQ("abc", Cut("abc", 4));
    EXPECT_EQ("a" + kA, Cut("a" + kA, 4));
    EXPECT_EQ(kSo + kSo, Cut(kSo + kSo, 5));
}

TEST(SjisText, NeverSplitsADoubleByteCharacter) {
    EXPECT_EQ("ab", Cut("ab" + kA, 4));          // the lead byte would be the last byte kept
    EXPECT_EQ(kA, Cut(kA + kA, 4));
    EXPECT_EQ(kSo, Cut(kSo + kSo, 4));            // a 0x5C trail byte is not a character of its own
    EXPECT_EQ(kHalfKana + kHalfKana + kHalfKana, Cut(kHalfKana + kHalfKana + kHalfKana + kA, 4));
    EXPECT_EQ("", Cut(kA, 2));
    EXPECT_EQ("", Cut("abc", 1));
}

TEST(SjisText, DanglingLeadByteAtTheEndIsNoCharacter) {
    EXPECT_EQ("a", Cut("a\x82", 4));
}

TEST(SjisText, NullTextCopiesAsEmpty) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(0u, kx::CopySjisTruncated(buffer, sizeof buffer, nullptr));
    EXPECT_EQ('\0', buffer[0]);
}

TEST(CallRecord, ReceivedTextIsAlwaysTerminated) {
    KxCallFunctionRecord received;
    received.FunctionType = 2;
    std::memset(received.Option, 'z', sizeof received.Option);
    const KxCallFunctionRecord r = kx::SanitizedCallRecord(received);
    EXPECT_EQ(2, r.FunctionType);
    EXPECT_EQ(std::string(1027, 'z'), r.Option);
}

}  // namespace
