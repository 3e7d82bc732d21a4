// A plug-in's settings file that another program holds while it is read: read again a
// moment later, then, when it still cannot be read, the defaults for this run, the user
// told, and the file never written over with them.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "profile_file.h"
#include "wine_support.h"

namespace {

TEST(PluginSettingsFile, AFileHeldWhileItIsReadIsNeverWrittenOver) {
    ptrtest::TempDir folder;
    const std::string path = folder.path + "Setting.ini";
    ASSERT_TRUE(ptrtest::WriteFileBytes(path, "[Main]\r\nFolder=C:\\定型文\r\n"));
    {
        tlx::ProfileFile free(folder.path, "Setting.ini");
        EXPECT_EQ("C:\\定型文", free.ReadText("Main", "Folder", "(default)")) << "a file nobody holds is read";
    }
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    e2e::MessageBoxAnswerer told("設定ファイルを読めません");
    tlx::ProfileFile file(folder.path, "Setting.ini");
    EXPECT_EQ("(default)", file.ReadText("Main", "Folder", "(default)"));
    EXPECT_NE(std::string::npos, told.Text().find(path)) << "the user is told which file";
    CloseHandle(held);

    tlx::ProfileFile save(folder.path, "Setting.ini");   // as a dialog saves, afresh
    save.WriteText("Main", "Folder", "(default)");
    EXPECT_EQ("[Main]\r\nFolder=C:\\定型文\r\n", ptrtest::ReadFileBytes(path)) << "what was read for it is no setting to save";
}

}  // namespace
