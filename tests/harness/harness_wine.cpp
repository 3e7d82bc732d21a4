// The Wine environment the other tests rely on: a Japanese code page, child
// processes of the test program, and a clipboard that round-trips CP932 text.
#include <gtest/gtest.h>
#include "wine_support.h"

PTR_CHILD(exit_with) { return args.size() == 1 ? atoi(args[0].c_str()) : 1; }

TEST(Harness, AnsiCodePageIs932) { EXPECT_EQ(932u, GetACP()); }

TEST(Harness, ChildModeReturnsItsExitCode) {
    auto child = ptrtest::StartChild("exit_with", {"7"});
    EXPECT_EQ(7, child.Wait());
}

TEST(Harness, ClipboardKeepsShiftJisText) {
    ASSERT_TRUE(ptrtest::SetClipboardText("あいう表"));
    EXPECT_EQ("\x82\xa0\x82\xa2\x82\xa4\x95\x5c", ptrtest::GetClipboardText());
}
