#include "welcome_text.h"

#include <algorithm>
#include <cctype>

namespace ptr {

namespace {

constexpr char kIntroduction[] =
    "ポルテリカをご利用いただき、ありがとうございます。\r\n"
    "本ソフトは、タスクトレイに常駐します。\r\n"
    "設定の変更を行うには、このアイコンを右クリックして、『設定画面を開く』を選択します。";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// "Alt+Shift+V": short enough for the balloon, which holds 255 bytes.
std::string KeyName(const HotkeyEntry &entry) {
    static const struct { int32_t bit; const char *name; } kModifiers[] = {
        {kModCtrl, "Ctrl+"}, {kModAlt, "Alt+"}, {kModShift, "Shift+"}, {kModWin, "Win+"},
    };
    std::string text;
    for (const auto &m : kModifiers)
        if (entry.KeyMod & m.bit) text += m.name;
    return text + GetKeyText(entry.KeyCode, 0, false, true);
}

// The first hotkey that runs this plug-in's function (any setting); null without one.
// Plug-in file names are compared as Windows compares file names, without case.
const HotkeyEntry *HotkeyFor(const std::vector<HotkeyEntry> &hotkeys, const std::string &pluginFunction) {
    const std::string prefix = Lower(pluginFunction) + "/";
    for (const HotkeyEntry &entry : hotkeys)
        if (entry.FunctionType == 1 && Lower(entry.FunctionOption).rfind(prefix, 0) == 0) return &entry;
    return nullptr;
}

}  // namespace

std::string WelcomeText(const std::vector<HotkeyEntry> &hotkeys) {
    std::vector<std::string> named;
    if (const HotkeyEntry *history = HotkeyFor(hotkeys, "tlxHistory.tlx/2")) named.push_back("履歴は " + KeyName(*history));
    if (const HotkeyEntry *phrases = HotkeyFor(hotkeys, "tlxSnippet.tlx/2")) named.push_back("定型文は " + KeyName(*phrases));
    std::string text = kIntroduction;
    if (named.empty()) return text;
    text += "\r\n" + named.front();
    if (named.size() > 1) text += "、" + named.back();
    return text + " で開けます。";
}

}  // namespace ptr
