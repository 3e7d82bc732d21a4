// The guide's recipes: ready-made watch actions and hotkeys with the plug-in settings
// they need, built in the program's windows step by step as the guide tells.
#pragma once
#include <vector>

#include "guide_session.h"

namespace guide {

// A plug-in setting typed into its dialog's edit boxes, in their order.
struct SettingFill {
    PluginSetting setting;
    std::vector<const char *> texts;
};

struct Recipe {
    std::vector<SettingFill> settings;   // made first
    const WatchAction *watch;            // one of the two
    const Hotkey *hotkey;
};

extern const Recipe kChatUrl;       // addresses copied in a chat program opened in the browser
extern const Recipe kHalfWidth;     // full-width letters and digits from Word made half-width
extern const Recipe kQuoteHotkey;   // "> " before each line of the copy, by a hotkey
extern const Recipe kPdfLines;      // line breaks of text from a PDF viewer removed
extern const Recipe kSearchHotkey;  // the copied word searched on the web, by a hotkey
extern const Recipe kLeaveExcel;    // blanks trimmed only in the programs named: Excel left alone

// Makes the recipe's settings, fills in its editor, shoots it and keeps it (OK).
bool BuildRecipe(Session &s, const Recipe &recipe);

}  // namespace guide
