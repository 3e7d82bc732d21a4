// Which Unicode text comes back with "_datalog" at the next start.
#include <gtest/gtest.h>

#include "unicode_log.h"

using namespace tlxtext;

namespace {

const std::u16string kCafe = u"Caf\u00e9 \U0001F600";

TEST(UnicodeLog, BelongsOnlyToTheDatalogItWasWrittenWith) {
    const std::string log = UnicodeLogContents("Caf? ?", kCafe);
    const struct {
        const char *what;
        std::string datalog;
        std::optional<std::string> unicodeLog;
        std::optional<std::u16string> expected;
    } cases[] = {
        {"written together", "Caf? ?", log, kCafe},
        {"an old _datalog alone", "Caf? ?", std::nullopt, std::nullopt},
        {"_datalog rewritten since", "other text", log, std::nullopt},
        {"_datalog rewritten with the same size", "Cafe ?", log, std::nullopt},
        {"log cut inside its first line", "Caf? ?", log.substr(0, 12), std::nullopt},
        {"log of something else", "Caf? ?", "Caf\xC3\xA9", std::nullopt},
        {"empty log", "Caf? ?", "", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<std::u16string> restored =
            UnicodeTextToRestore(c.datalog, c.unicodeLog ? std::optional<std::string_view>(*c.unicodeLog) : std::nullopt);
        ASSERT_EQ(c.expected.has_value(), restored.has_value());
        if (c.expected) EXPECT_EQ(*c.expected, *restored);
    }
}

TEST(UnicodeLog, ReadableUtf8AfterOneLine) {
    const std::string log = UnicodeLogContents("", u"\u00e9\r\n");
    EXPECT_EQ("_datalog 0 cbf29ce484222325\n\xC3\xA9\r\n", log);
    EXPECT_EQ(u"\u00e9\r\n", UnicodeTextToRestore("", std::string_view(log)).value_or(u"<none>"));
}

TEST(UnicodeLog, EmptyTextsAndLoneSurrogatesComeBack) {
    const std::u16string lone = u"x" + std::u16string(1, char16_t(0xDBFF));
    for (const std::u16string &text : {std::u16string(), lone}) {
        const std::string log = UnicodeLogContents("x?", text);
        EXPECT_EQ(text, UnicodeTextToRestore("x?", std::string_view(log)).value_or(u"<none>"));
    }
}

}  // namespace
