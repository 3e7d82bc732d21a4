#include <gtest/gtest.h>

#include "memory_ini.h"
#include "settings.h"

using namespace ptr;

TEST(IniValues, NumberFormsAndNumberedKeys) {
    EXPECT_EQ(" 5", FormatIniNumber(5));
    EXPECT_EQ(" 0", FormatIniNumber(0));
    EXPECT_EQ("-1", FormatIniNumber(-1));
    EXPECT_EQ("001Function", NumberedKey(1, "Function"));
    EXPECT_EQ("999Key", NumberedKey(999, "Key"));
    EXPECT_EQ("1000Key", NumberedKey(1000, "Key"));
    EXPECT_EQ(5, ParseIniNumber(" 5"));
    EXPECT_EQ(-12, ParseIniNumber("-12abc"));
    EXPECT_EQ(0, ParseIniNumber("abc"));
    EXPECT_EQ(INT32_MAX, ParseIniNumber("123456789012345678901234567890"));
}

TEST(MainSettings, DefaultsWithoutSectionMain) {
    ptrtest::MemoryIni ini;
    const MainSettings s = LoadSettings(ini);
    EXPECT_EQ(0, s.Mode);
    EXPECT_EQ("/default", s.TaskMenu);
    EXPECT_TRUE(s.SplashShow);
    EXPECT_TRUE(s.EndingCheck);
    EXPECT_FALSE(s.ClipboardWatch);
    EXPECT_TRUE(s.DefaultMenu);
    EXPECT_TRUE(s.IgnorePrivate) << "private copies are left alone unless the user says otherwise";
}

TEST(MainSettings, BooleansReadAsNumbers) {
    ptrtest::MemoryIni ini;
    ini.SetText("Main", "ClipboardWatch", "2");
    ini.SetText("Main", "SplashShow", "yes");
    ini.SetText("Main", "Mode", "999999");   // no 16-bit page: back to the first page
    const MainSettings s = LoadSettings(ini);
    EXPECT_TRUE(s.ClipboardWatch);
    EXPECT_FALSE(s.SplashShow);
    EXPECT_EQ(0, s.Mode);
}

TEST(MainSettings, RoundTripInTheValueForms) {
    ptrtest::MemoryIni ini;
    MainSettings s;
    s.Mode = 3;
    s.TaskMenu = "作業.mnu";
    s.SplashShow = false;
    s.ClipboardWatch = true;
    s.IgnorePrivate = false;
    SaveSettings(s, ini);
    EXPECT_EQ(" 3", ini.GetText("Main", "Mode", ""));
    EXPECT_EQ(" 0", ini.GetText("Main", "SplashShow", ""));
    EXPECT_EQ(" 1", ini.GetText("Main", "ClipboardWatch", ""));
    EXPECT_EQ(" 0", ini.GetText("Main", "IgnorePrivate", ""));
    const MainSettings back = LoadSettings(ini);
    EXPECT_EQ(3, back.Mode);
    EXPECT_EQ("作業.mnu", back.TaskMenu);
    EXPECT_FALSE(back.SplashShow);
    EXPECT_TRUE(back.EndingCheck);
    EXPECT_TRUE(back.ClipboardWatch);
    EXPECT_FALSE(back.IgnorePrivate);
    EXPECT_EQ(7u, ini.KeyCount("Main"));
}

TEST(MainSettings, TheShippedWelcomeIsClearedByTheFirstSave) {
    ptrtest::MemoryIni shipped;
    shipped.SetText("Main", "Welcome", "1");
    MainSettings s = LoadSettings(shipped);
    EXPECT_TRUE(s.Welcome);
    SaveSettings(s, shipped);
    EXPECT_EQ(" 0", shipped.GetText("Main", "Welcome", ""));
    EXPECT_FALSE(LoadSettings(shipped).Welcome);

    ptrtest::MemoryIni users;
    SaveSettings(LoadSettings(users), users);
    EXPECT_EQ("(none)", users.GetText("Main", "Welcome", "(none)")) << "a file without it never gets it";
}
