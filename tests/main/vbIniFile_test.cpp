// Setting.ini through the real profile functions.
#include <gtest/gtest.h>

#include "settings.h"
#include "vbIniFile.h"
#include "wine_support.h"

using namespace ptr;

namespace {
struct IniFile {
    ptrtest::TempDir dir;
    std::string path = dir.path + "Setting.ini";
    vbIniFile ini{path};
};
}  // namespace

TEST(vbIniFile, ValueFormsRoundTrip) {
    IniFile f;
    f.ini.SetNumber("Main", "Mode", 5);
    f.ini.SetNumber("Main", "Neg", -1);
    f.ini.SetBool("Main", "On", true);
    f.ini.SetText("Main", "TaskMenu", "作業メニュー.mnu");
    EXPECT_EQ(5, f.ini.GetNumber("Main", "Mode", 0));
    EXPECT_EQ(-1, f.ini.GetNumber("Main", "Neg", 0));
    EXPECT_TRUE(f.ini.GetBool("Main", "On", false));
    EXPECT_EQ("作業メニュー.mnu", f.ini.GetText("Main", "TaskMenu", ""));
    EXPECT_EQ(7, f.ini.GetNumber("Main", "Missing", 7));
    EXPECT_EQ("dflt", f.ini.GetText("Other", "Missing", "dflt"));
    // A write through the object is read back at once, though it had read the section
    // before; a second object reads what was written before it first looked.
    vbIniFile other(f.path);
    f.ini.SetNumber("Main", "Mode", 4);
    EXPECT_EQ(4, f.ini.GetNumber("Main", "Mode", 0));
    EXPECT_EQ(4, other.GetNumber("Main", "Mode", 0));
}

TEST(vbIniFile, MissingFileGivesDefaultsAndGarbageReadsSafely) {
    IniFile f;
    const MainSettings none = LoadSettings(f.ini);
    EXPECT_EQ("/default", none.TaskMenu);
    EXPECT_TRUE(none.SplashShow);
    EXPECT_FALSE(none.ClipboardWatch);

    ASSERT_TRUE(ptrtest::WriteFileBytes(f.path,
        "[Main]\r\nMode=abc\r\nSplashShow=2\r\nEndingCheck=x\r\nClipboardWatch=-7\r\n"
        "TaskMenu=\r\n\x82\x00garbage line\r\n[HotKey\r\n001Function=zz\r\n"));
    // A store keeps the sections it has read: a file changed behind it is read by a new one.
    const MainSettings s = LoadSettings(vbIniFile(f.path));
    EXPECT_EQ(0, s.Mode);
    EXPECT_TRUE(s.SplashShow);
    EXPECT_FALSE(s.EndingCheck);
    EXPECT_TRUE(s.ClipboardWatch);
    EXPECT_EQ("", s.TaskMenu);
    EXPECT_TRUE(s.DefaultMenu);
}

TEST(vbIniFile, ReadIsLimitedTo10240CharactersWithTerminator) {
    IniFile f;
    const std::string big(20000, 'x');
    f.ini.SetText("Main", "Big", big);
    EXPECT_EQ(10239u, f.ini.GetText("Main", "Big", "").size());
    const std::string fits(10239, 'y');
    f.ini.SetText("Main", "Fits", fits);
    EXPECT_EQ(fits, f.ini.GetText("Main", "Fits", ""));
}

TEST(vbIniFile, NumberedListsPast999AndDeadEntriesAfterTheEndMarker) {
    IniFile f;
    for (int n = 1; n <= 1001; ++n) f.ini.SetNumber("HotKey", NumberedKey(n, "Function"), n);
    EXPECT_EQ(999, f.ini.GetNumber("HotKey", "999Function", -1));
    EXPECT_EQ(1000, f.ini.GetNumber("HotKey", "1000Function", -1));
    EXPECT_EQ(-1, f.ini.GetNumber("HotKey", "0999Function", -1));

    // Shrinking a list writes its entries and an end marker; older entries stay in the file.
    for (int n = 1; n <= 5; ++n) f.ini.SetNumber("Watch", NumberedKey(n, "Function"), 1);
    for (int n = 1; n <= 3; ++n) f.ini.SetNumber("Watch", NumberedKey(n, "Function"), 2);
    f.ini.SetNumber("Watch", NumberedKey(4, "Function"), -1);
    EXPECT_EQ(-1, f.ini.GetNumber("Watch", "004Function", 0));
    EXPECT_EQ(1, f.ini.GetNumber("Watch", "005Function", 0));
}

TEST(vbIniFile, UnwritableFileKeepsItsContentAndReportsTheLostWrite) {
    IniFile f;
    f.ini.SetNumber("Main", "Mode", 2);
    EXPECT_FALSE(f.ini.WriteFailed());
    const std::string before = ptrtest::ReadFileBytes(f.path);
    // Another program holds the file open without sharing: no write can reach it.
    HANDLE lock = CreateFileA(f.path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    f.ini.SetNumber("Main", "Mode", 3);
    EXPECT_TRUE(f.ini.WriteFailed());
    CloseHandle(lock);
    EXPECT_EQ(before, ptrtest::ReadFileBytes(f.path));
    EXPECT_EQ(2, f.ini.GetNumber("Main", "Mode", 0));
}

TEST(SaveSettings, WritesSectionMainThatReadsBack) {
    IniFile f;
    MainSettings s;
    s.Mode = 2;
    s.TaskMenu = "sample.mnu";
    s.EndingCheck = false;
    s.ClipboardWatch = true;
    SaveSettings(s, f.ini);
    const MainSettings back = LoadSettings(vbIniFile(f.path));
    EXPECT_EQ(2, back.Mode);
    EXPECT_EQ("sample.mnu", back.TaskMenu);
    EXPECT_FALSE(back.EndingCheck);
    EXPECT_TRUE(back.ClipboardWatch);
    const std::string text = ptrtest::ReadFileBytes(f.path);
    EXPECT_LT(text.find("Mode="), text.find("TaskMenu=")) << text;
    EXPECT_LT(text.find("ClipboardWatch="), text.find("DefaultMenu=")) << text;
}
