#include "settings.h"

namespace ptr {

static const char kMain[] = "Main";

MainSettings LoadSettings(const IniStore &ini) {
    MainSettings s;
    // Mode is a 16-bit page number; a value outside that range is garbage, not a page.
    const int32_t mode = ini.GetNumber(kMain, "Mode", 0);
    s.Mode = (mode >= INT16_MIN && mode <= INT16_MAX) ? static_cast<int16_t>(mode) : 0;
    s.TaskMenu = ini.GetText(kMain, "TaskMenu", kDefaultMenuName);
    s.SplashShow = ini.GetBool(kMain, "SplashShow", true);
    s.EndingCheck = ini.GetBool(kMain, "EndingCheck", true);
    s.ClipboardWatch = ini.GetBool(kMain, "ClipboardWatch", false);
    s.DefaultMenu = ini.GetBool(kMain, "DefaultMenu", true);
    s.IgnorePrivate = ini.GetBool(kMain, "IgnorePrivate", true);
    s.Welcome = ini.GetBool(kMain, "Welcome", false);
    return s;
}

void SaveSettings(const MainSettings &s, IniStore &ini) {
    ini.SetNumber(kMain, "Mode", s.Mode);
    ini.SetText(kMain, "TaskMenu", s.TaskMenu);
    ini.SetBool(kMain, "SplashShow", s.SplashShow);
    ini.SetBool(kMain, "EndingCheck", s.EndingCheck);
    ini.SetBool(kMain, "ClipboardWatch", s.ClipboardWatch);
    ini.SetBool(kMain, "DefaultMenu", s.DefaultMenu);
    ini.SetBool(kMain, "IgnorePrivate", s.IgnorePrivate);
    if (s.Welcome) ini.SetBool(kMain, "Welcome", false);   // welcomed now: never again
}

}  // namespace ptr
