#include <gtest/gtest.h>

#include "command_line.h"

using namespace ptr;
using Kind = CommandLine::Kind;

TEST(CommandLine, ExecuteKeepsEverythingAfterTheSecondColon) {
    const CommandLine cl = ParseCommandLine("/execute:3:C:\\Program Files\\a.txt");
    EXPECT_EQ(Kind::Execute, cl.kind);
    EXPECT_TRUE(cl.executeValid);
    EXPECT_EQ(3, cl.functionType);
    EXPECT_EQ("C:\\Program Files\\a.txt", cl.functionOption);

    const CommandLine menu = ParseCommandLine("/EXECUTE:2:メニュー.mnu");
    EXPECT_EQ(2, menu.functionType);
    EXPECT_EQ("メニュー.mnu", menu.functionOption);

    const CommandLine empty = ParseCommandLine("/Execute:1:");
    EXPECT_TRUE(empty.executeValid);
    EXPECT_EQ("", empty.functionOption);
}

TEST(CommandLine, ExecuteWithoutSecondColonSendsNothing) {
    for (const char *text : {"/Execute", "/Execute:3", "/Executex"}) {
        SCOPED_TRACE(text);
        const CommandLine cl = ParseCommandLine(text);
        EXPECT_EQ(Kind::Execute, cl.kind);
        EXPECT_FALSE(cl.executeValid);
    }
}

TEST(CommandLine, TypeIsTheRoundedLeadingNumber) {
    EXPECT_EQ(1, ParseCommandLine("/Execute: 1:x").functionType);
    EXPECT_EQ(0, ParseCommandLine("/Execute:abc:x").functionType);
    EXPECT_EQ(4, ParseCommandLine("/Execute:3.6:x").functionType);
    EXPECT_EQ(-1, ParseCommandLine("/Execute:-1:x").functionType);
}

TEST(CommandLine, HelpModeIsTheWholeTextOnly) {
    EXPECT_EQ(Kind::HelpMode, ParseCommandLine("/helpmode").kind);
    EXPECT_EQ(Kind::Plain, ParseCommandLine("/HelpMode x").kind);
    EXPECT_EQ(Kind::Plain, ParseCommandLine("").kind);
    EXPECT_EQ(Kind::Plain, ParseCommandLine("/Exec").kind);
    EXPECT_EQ(Kind::Plain, ParseCommandLine(std::string(100000, 'x')).kind);
}
