// The picker window in this process, driven by real keyboard and mouse input from a
// second thread: what each key chooses, where the window opens, how large it is drawn
// for the host's help mode and when moved to a monitor of another resolution.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "host_services.h"
#include "wine_support.h"
#include "picker_window.h"
#include "search_fold.h"

namespace {

constexpr wchar_t kClass[] = L"pickerTestWindow";

class Names : public tlx::PickerSource {
public:
    explicit Names(std::vector<std::u16string> names) : names(std::move(names)) {}
    size_t Count() const override { return names.size(); }
    uint64_t Key(size_t item) const override { return std::hash<std::u16string>()(names[item]); }
    bool Finds(size_t item, std::u16string_view folded) const override {
        return tlx::ContainsFolded(names[item], folded);
    }
    std::u16string RowText(size_t item) const override { return names[item]; }
    std::u16string PreviewText(size_t item) const override { return u"preview of " + names[item]; }
    std::vector<std::u16string> names;
};

tlx::PickerOptions Options(tlx::PickerPlace place = tlx::PickerPlace::kNearCursor, HWND front = nullptr) {
    tlx::PickerOptions options{kClass, L"picker", {true, true, true, true, true}, place, front};
    return options;
}

std::string Described(const std::optional<tlx::PickerChoice> &choice, const Names &names) {
    if (!choice) return "nothing";
    const char *actions[] = {"paste", "text", "queue"};
    std::string text = actions[static_cast<int>(choice->action)];
    for (size_t item : choice->items) text += " " + std::string(names.names[item].begin(), names.names[item].end());
    return text;
}

std::wstring TextOf(HWND control) {
    wchar_t text[512] = {};
    GetWindowTextW(control, text, 512);
    return text;
}

// Runs the picker on this thread while script drives it from a second one once it is
// in front. Whatever is still open a while after the script is closed, so that a
// failed check never leaves the test waiting.
std::optional<tlx::PickerChoice> RunWith(tlx::PickerSource &source, const tlx::PickerOptions &options,
                                         const std::function<void(HWND)> &script) {
    std::thread driver([&] {
        HWND window = nullptr;
        ptrtest::PumpUntil([&] {
            window = FindWindowW(kClass, nullptr);
            return window && IsWindowVisible(window) && GetForegroundWindow() == window;
        });
        if (!window) return;
        Sleep(200);
        script(window);
        ptrtest::PumpUntil([&] { return !IsWindow(window); }, 3000);
        if (IsWindow(window)) PostMessageW(window, WM_CLOSE, 0, 0);
    });
    std::optional<tlx::PickerChoice> choice = tlx::RunPicker(GetModuleHandleW(nullptr), source, options);
    driver.join();
    return choice;
}

using Chord = std::vector<WORD>;

void Press(const Chord &chord) {
    for (WORD key : chord) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        SendInput(1, &input, sizeof input);
    }
    for (auto key = chord.rbegin(); key != chord.rend(); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof input);
    }
    Sleep(60);
}

TEST(PickerWindow, EachKeyChoosesWhatItSays) {
    struct Case {
        const char *name;
        std::vector<Chord> keys;
        std::string chosen;
    };
    const Case cases[] = {
        {"Enter the selected", {{VK_DOWN}, {VK_RETURN}}, "paste beta"},
        {"marks in their order", {{VK_DOWN}, {VK_DOWN}, {VK_SPACE}, {VK_UP}, {VK_UP}, {VK_SPACE}, {VK_RETURN}},
         "paste gamma alpha"},
        {"Shift+Enter", {{VK_SPACE}, {VK_DOWN}, {VK_SPACE}, {VK_SHIFT, VK_RETURN}}, "text alpha beta"},
        {"Ctrl+Enter the marked", {{VK_DOWN}, {VK_SPACE}, {VK_CONTROL, VK_RETURN}}, "queue beta"},
        {"Ctrl+Enter the selected", {{VK_DOWN}, {VK_DOWN}, {VK_CONTROL, VK_RETURN}}, "queue gamma"},
        {"Ctrl+digit", {{VK_SPACE}, {VK_CONTROL, '3'}}, "paste gamma"},
        {"typed, then Enter", {{'D'}, {'E'}, {VK_RETURN}}, "paste delta"},
        {"Esc", {{VK_SPACE}, {VK_ESCAPE}}, "nothing"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Names names({u"alpha", u"beta", u"gamma", u"delta"});
        const auto choice = RunWith(names, Options(), [&](HWND) {
            for (const Chord &chord : c.keys) Press(chord);
        });
        EXPECT_EQ(c.chosen, Described(choice, names));
    }
}

TEST(PickerWindow, SpaceMarksUnlessItIsTypedIntoASearch) {
    Names names({u"alpha", u"beta", u"gamma"});
    std::wstring afterMark, afterTyping, afterMoving;
    const auto choice = RunWith(names, Options(), [&](HWND window) {
        const HWND search = GetDlgItem(window, tlx::kPickerSearch);
        Press({VK_SPACE});   // marks alpha
        Sleep(200);
        afterMark = TextOf(search);
        Press({'A'});
        Press({VK_SPACE});   // typed: "a "
        Sleep(200);
        afterTyping = TextOf(search);
        Press({VK_BACK});
        Press({VK_DOWN});
        Press({VK_SPACE});   // marks beta, the selection having moved
        Sleep(200);
        afterMoving = TextOf(search);
        Press({VK_RETURN});
    });
    EXPECT_EQ(L"", afterMark);
    EXPECT_EQ(L"a ", afterTyping);
    EXPECT_EQ(L"a", afterMoving);
    EXPECT_EQ("paste alpha beta", Described(choice, names));
}

TEST(PickerWindow, ADoubleClickChoosesTheRowAndAnotherWindowInFrontCloses) {
    Names names({u"alpha", u"beta", u"gamma"});
    auto choice = RunWith(names, Options(), [&](HWND window) {
        const HWND list = GetDlgItem(window, tlx::kPickerList);
        RECT row{};
        SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
        POINT at{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
        ClientToScreen(list, &at);
        SetCursorPos(at.x, at.y);
        Sleep(100);
        for (int click = 0; click < 2; ++click) {
            INPUT input[2] = {};
            input[0].type = input[1].type = INPUT_MOUSE;
            input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
            input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
            SendInput(2, input, sizeof(INPUT));
            Sleep(30);
        }
    });
    EXPECT_EQ("paste gamma", Described(choice, names));

    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 400, 200, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    choice = RunWith(names, Options(), [&](HWND window) {
        SetForegroundWindow(other);
        EXPECT_TRUE(ptrtest::PumpUntil([&] { return !IsWindow(window); }, 3000)) << "closed on losing the focus";
    });
    DestroyWindow(other);
    EXPECT_EQ("nothing", Described(choice, names));
}

TEST(PickerWindow, AskedAgainWhileOpenItComesToTheFrontAndAChangeShowsAtOnce) {
    Names names({u"alpha", u"beta"});
    std::optional<tlx::PickerChoice> second;
    LRESULT rowsAfterChange = 0;
    const auto choice = RunWith(names, Options(), [&](HWND window) {
        second = tlx::RunPicker(GetModuleHandleW(nullptr), names, Options());
        EXPECT_TRUE(IsWindow(window));
        names.names.insert(names.names.begin(), u"new");
        PostMessageW(window, tlx::kPickerSourceChanged, 0, 0);
        ptrtest::PumpUntil([&] {
            rowsAfterChange = SendMessageW(GetDlgItem(window, tlx::kPickerList), LB_GETCOUNT, 0, 0);
            return rowsAfterChange == 3;
        });
        Press({VK_CONTROL, '1'});
    });
    EXPECT_EQ("nothing", Described(second, names));
    EXPECT_EQ(3, rowsAfterChange);
    EXPECT_EQ("paste new", Described(choice, names));
}

RECT WindowRectOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

TEST(PickerWindow, OpensAtTheCursorOrBelowTheCaretOfTheWindowInFront) {
    Names names({u"alpha"});
    SetCursorPos(120, 90);
    RECT atCursor{};
    RunWith(names, Options(), [&](HWND window) {
        atCursor = WindowRectOf(window);
        Press({VK_ESCAPE});
    });
    EXPECT_EQ(120, atCursor.left);
    EXPECT_EQ(90, atCursor.top);

    const HWND typing = CreateWindowExW(0, L"EDIT", L"some text", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 150, 300,
                                        120, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(typing);
    SetFocus(typing);
    SendMessageW(typing, EM_SETSEL, 4, 4);
    ptrtest::PumpFor(300);
    POINT caret{};
    GetCaretPos(&caret);
    ClientToScreen(typing, &caret);
    RECT belowCaret{};
    RunWith(names, Options(tlx::PickerPlace::kNearCaret, typing), [&](HWND window) {
        belowCaret = WindowRectOf(window);
        Press({VK_ESCAPE});
    });
    DestroyWindow(typing);
    EXPECT_EQ(caret.x, belowCaret.left);
    EXPECT_GT(belowCaret.top, caret.y) << "below the caret's top";
    EXPECT_LT(belowCaret.top, caret.y + 40) << "right below its line";

    RECT noCaret{};
    RunWith(names, Options(tlx::PickerPlace::kNearCaret, nullptr), [&](HWND window) {
        noCaret = WindowRectOf(window);
        Press({VK_ESCAPE});
    });
    EXPECT_EQ(120, noCaret.left) << "no window in front with a caret: at the cursor";
    EXPECT_EQ(90, noCaret.top);
}

struct Drawn {
    SIZE client{};
    LONG fontHeight = 0;
    LRESULT itemHeight = 0;
    std::wstring keys;
};

Drawn Look(HWND window) {
    Drawn drawn;
    RECT client;
    GetClientRect(window, &client);
    drawn.client = {client.right, client.bottom};
    const HWND list = GetDlgItem(window, tlx::kPickerList);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof font, &font);
    drawn.fontHeight = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    drawn.itemHeight = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    drawn.keys = TextOf(GetDlgItem(window, tlx::kPickerKeys));
    return drawn;
}

// The host's help mode enlarges the window as the program's own, where the host's
// record holds the field; an older host's shorter record means no enlargement.
TEST(PickerWindow, TheHostsWindowScaleEnlargesIt) {
    Names names({u"alpha", u"beta"});
    struct Case {
        const char *name;
        TlxHost host;
        bool useHost;
        double factor;
    };
    const Case cases[] = {
        {"no host", {}, false, 1.0},
        {"help mode", {sizeof(TlxHost), nullptr, 130}, true, 1.3},
        {"a host without the field", {offsetof(TlxHost, WindowScalePercent), nullptr, 130}, true, 1.0},
        {"a host at 100", {sizeof(TlxHost), nullptr, 100}, true, 1.0},
    };
    Drawn plain;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        tlx::UseHost(c.useHost ? &c.host : nullptr);
        Drawn drawn;
        RunWith(names, Options(), [&](HWND window) {
            drawn = Look(window);
            Press({VK_ESCAPE});
        });
        if (!c.useHost) plain = drawn;
        EXPECT_NEAR(plain.client.cx * c.factor, drawn.client.cx, 2);
        EXPECT_NEAR(plain.fontHeight * c.factor, drawn.fontHeight, 1);
        EXPECT_NEAR(plain.itemHeight * c.factor, drawn.itemHeight, 2);
    }
    tlx::UseHost(nullptr);
}

// Told of a monitor of 150 %, the window takes the suggested place and draws its text,
// rows and key line at the new scale.
TEST(PickerWindow, MovedToAMonitorOfAnotherScaleItLaysItselfOutAgain) {
    Names names({u"alpha", u"beta"});
    Drawn before, after;
    RECT suggested{0, 0, 0, 0}, taken{};
    RunWith(names, Options(), [&](HWND window) {
        before = Look(window);
        const RECT now = WindowRectOf(window);
        suggested = {10, 10, 10 + (now.right - now.left) * 3 / 2, 10 + (now.bottom - now.top) * 3 / 2};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        Sleep(200);
        after = Look(window);
        taken = WindowRectOf(window);
        Press({VK_ESCAPE});
    });
    EXPECT_EQ(suggested.left, taken.left);
    EXPECT_EQ(suggested.right - suggested.left, taken.right - taken.left);
    EXPECT_EQ(suggested.bottom - suggested.top, taken.bottom - taken.top);
    EXPECT_NEAR(before.fontHeight * 1.5, after.fontHeight, 1);
    EXPECT_NEAR(before.itemHeight * 1.5, after.itemHeight, 2);
    EXPECT_FALSE(after.keys.empty());
}

}  // namespace
