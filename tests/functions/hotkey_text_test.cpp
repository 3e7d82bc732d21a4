// Hotkey entries in Setting.ini and the display text of a key combination.
#include <gtest/gtest.h>

#include "hotkey_entries.h"
#include "memory_ini.h"

using namespace ptr;
using ptrtest::MemoryIni;

TEST(GetKeyText, LongAndShortForms) {
    EXPECT_EQ(GetKeyText('M', kModCtrl | kModAlt, false, false), "ALT + CTRL + M");
    EXPECT_EQ(GetKeyText('M', kModCtrl | kModAlt, true, false), "AC+M");
    EXPECT_EQ(GetKeyText(123, kModShift, false, false), "SHIFT + F12");
    EXPECT_EQ(GetKeyText('5', 15, false, false), "ALT + CTRL + SHIFT + WIN + 5");
    EXPECT_EQ(GetKeyText('5', 15, true, false), "ACSW+5");
    EXPECT_EQ(GetKeyText('Z', 0, true, false), "Z") << "no modifiers, no plus";
    EXPECT_EQ(GetKeyText('Z', 0, false, false), "Z");
    EXPECT_EQ(GetKeyText('Z', kModWin, true, true), "Z") << "key only";
    EXPECT_EQ(GetKeyText(0, 16, true, false), "CODE0") << "unknown modifier bits add nothing";
}

TEST(GetKeyText, Keys) {
    EXPECT_EQ(GetKeyText(38, 0, false, true), "↑");
    EXPECT_EQ(GetKeyText(40, 0, false, true), "↓");
    EXPECT_EQ(GetKeyText(39, 0, false, true), "→");
    EXPECT_EQ(GetKeyText(37, 0, false, true), "←");
    EXPECT_EQ(GetKeyText(112, 0, false, true), "F1");
    EXPECT_EQ(GetKeyText(127, 0, false, true), "F16");
    EXPECT_EQ(GetKeyText(128, 0, false, true), "CODE128") << "F17 has no name of its own";
    EXPECT_EQ(GetKeyText(0x6A, 0, false, true), "CODE106") << "numeric keypad *";
    EXPECT_EQ(GetKeyText('a', 0, false, true), "CODE97") << "only upper-case letters are key codes";
    EXPECT_EQ(GetKeyText(-5, 0, false, true), "CODE-5");
}

TEST(HotkeyEntries, ReadStopsAtMinusOneAndDefaultsMissingKeys) {
    MemoryIni ini;
    ini.SetText(kHotKeySection, "001Function", " 2");
    ini.SetText(kHotKeySection, "001Key", " 77");
    ini.SetText(kHotKeySection, "001ModKey", " 3");
    ini.SetText(kHotKeySection, "001Option", "sample.mnu");
    ini.SetText(kHotKeySection, "002Function", " 0");
    ini.SetText(kHotKeySection, "003Function", "-1");
    ini.SetText(kHotKeySection, "004Function", " 3");
    const auto entries = ReadHotkeyEntries(ini);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].KeyCode, 77);
    EXPECT_EQ(entries[0].KeyMod, 3);
    EXPECT_EQ(entries[0].FunctionOption, "sample.mnu");
    EXPECT_EQ(entries[1].KeyCode, 0);
    EXPECT_EQ(entries[1].FunctionOption, "");
}

TEST(HotkeyEntries, WriteNumbersPast999AndEndMarker) {
    MemoryIni ini;
    for (int n = 1; n <= 1000; ++n) WriteHotkeyEntry(ini, n, {1, 65 + n % 26, n % 16, "p.tlx/1/" + std::to_string(n)});
    WriteHotkeyEndMarker(ini, 1001);
    EXPECT_EQ(ini.GetText(kHotKeySection, "1000Option", "?"), "p.tlx/1/1000");
    EXPECT_EQ(ini.GetText(kHotKeySection, "1001Function", "?"), "-1");
    EXPECT_EQ(ini.GetText(kHotKeySection, "1001Key", "?"), " 0");
    EXPECT_EQ(ini.GetText(kHotKeySection, "1001ModKey", "?"), " 0");
    EXPECT_EQ(ini.GetText(kHotKeySection, "1001Option", "?"), "");
    EXPECT_EQ(ReadHotkeyEntries(ini).size(), 1000u);
}
