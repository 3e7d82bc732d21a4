// Keeping the clipboard text across runs: written when the plug-in quits,
// put back on the clipboard when it starts again.
#include <gtest/gtest.h>

#include "text_plugin_host.h"

using namespace texttest;

namespace {

class TextDataLog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Loaded());
        folder.WriteSettings("[Main]\r\nDataSave=1\r\n");
    }
    void TearDown() override { PutClipboard({}); }

    // One run of the program: the plug-in is loaded, the step runs, it quits.
    template <typename Step>
    void Run(Step step) {
        TextPlugin plugin(host, folder);
        ASSERT_TRUE(plugin.Loaded());
        step();
    }

    HostDll host;
    ProgramFolder folder;
};

TEST_F(TextDataLog, TextSavedAtQuitComesBackAtTheNextStart) {
    const std::string text = "記憶するテキスト\r\n2行目 ｶﾅ\t";
    Run([&] { ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(text)}})); });
    EXPECT_EQ(text, ptrtest::ReadFileBytes(folder.DataLog()));

    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("copied while not running")}, {CF_HDROP, DropFilesBlock({"C:\\a"})}}));
    Run([&] {
        EXPECT_EQ(text, ClipboardText());
        EXPECT_FALSE(ClipboardBlock(CF_HDROP).has_value());  // restoring replaced the whole clipboard
    });
}

TEST_F(TextDataLog, EmptyClipboardAtQuitKeepsThePreviousFile) {
    ASSERT_TRUE(ptrtest::WriteFileBytes(folder.DataLog(), "previous"));
    Run([&] {
        EXPECT_EQ("previous", ClipboardText());
        ASSERT_TRUE(PutClipboard({}));
    });
    EXPECT_EQ("previous", ptrtest::ReadFileBytes(folder.DataLog()));

    const UINT privateFormat = RegisterClipboardFormatA("tlxText test private format");
    Run([&] { ASSERT_TRUE(PutClipboard({{privateFormat, "no text"}})); });
    EXPECT_EQ("previous", ptrtest::ReadFileBytes(folder.DataLog()));

    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("x")}}));
    Run([&] { EXPECT_EQ("previous", ClipboardText()); });
}

TEST_F(TextDataLog, SavedTextIsTheTextNotTheWholeBlock) {
    // Bytes after the terminator are no part of the text.
    Run([&] { ASSERT_TRUE(PutClipboard({{CF_TEXT, std::string("text\0junk after", 15)}})); });
    EXPECT_EQ("text", ptrtest::ReadFileBytes(folder.DataLog()));
    Run([&] { ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("")}})); });
    EXPECT_EQ("", ptrtest::ReadFileBytes(folder.DataLog()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder.DataLog() + ".new").c_str()));
}

TEST_F(TextDataLog, NothingSavedOrRestoredWhenSwitchedOff) {
    folder.WriteSettings("[Main]\r\nDataSave=0\r\n");
    ASSERT_TRUE(ptrtest::WriteFileBytes(folder.DataLog(), "saved earlier"));
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("current")}}));
    Run([&] { EXPECT_EQ("current", ClipboardText()); });
    EXPECT_EQ("saved earlier", ptrtest::ReadFileBytes(folder.DataLog()));
}

TEST_F(TextDataLog, MissingFileRestoresNothing) {
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("current")}}));
    Run([&] {
        EXPECT_EQ("current", ClipboardText());
        ASSERT_TRUE(PutClipboard({}));
    });
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.DataLog().c_str()));
}

}  // namespace
