// Every window of the program and the standard plug-ins (their settings dialogs and the
// history window) at the display scales of today's screens (100, 125, 150 and 200 %):
// each caption fits its control and each control lies inside its window.
// The prefix's resolution (LogPixels, read by a process as it starts) is set for one
// child process per scale, which opens all the windows in turn; at 150 and 200 % their
// pictures are kept as test artifacts. A move to a monitor of another scale is checked
// at 100 %, where the windows are told of a monitor of 150 %.
#include <gtest/gtest.h>

#include <sstream>

#include "app_state.h"
#include "dialog_driver.h"
#include "dpi_scale.h"
#include "frmHotkey.h"
#include "frmHotkey_ids.h"
#include "frmInputBox.h"
#include "frmMain.h"
#include "frmMenuEdit.h"
#include "frmSelectFunc.h"
#include "frmShortcut.h"
#include "frmSplash.h"
#include "frmWatch.h"
#include "phrase_editor.h"
#include "picker_window.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "screen_dpi.h"
#include "ui_fonts.h"

using dlgtest::Driver;

namespace {

const int kScales[] = {96, 120, 144, 192};
const int kMovedTo = 144;

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT RectIn(HWND control, HWND parent) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

// A static control that shows a text (not a picture or a frame).
bool IsTextLabel(HWND control) {
    const LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
    return ClassOf(control) == "Static" && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT ||
                                            type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE);
}

// The size the caption takes in the control's font, wrapped at wrapWidth (0: one line).
SIZE TextSize(HWND control, const std::string &text, UINT flags, int wrapWidth) {
    const HDC dc = GetDC(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    RECT r{0, 0, wrapWidth, 0};
    DrawTextA(dc, text.c_str(), -1, &r, flags | DT_CALCRECT | (wrapWidth ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right - r.left, r.bottom - r.top};
}

// What is wrong with the control's caption at dpi: "" when it fits. Push buttons keep
// their edge and focus frame, check boxes and option buttons their box.
std::string CaptionFault(HWND control, int dpi) {
    const std::string text = Driver::Text(control);
    if (text.empty()) return "";
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    RECT client;
    GetClientRect(control, &client);
    int width = client.right, height = client.bottom;
    UINT flags = 0;
    bool wraps = false;
    const std::string cls = ClassOf(control);
    if (cls == "Button") {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) {
            width -= tlx::Rescale(16, dpi, tlx::kDesignDpi);
        } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                   type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE) {
            width -= tlx::SystemMetricAt(SM_CXMENUCHECK, dpi) + tlx::Rescale(4, dpi, tlx::kDesignDpi);
            wraps = (style & BS_MULTILINE) != 0;
        } else {
            width -= 2 * tlx::Rescale(3, dpi, tlx::kDesignDpi);
            height -= 2 * tlx::Rescale(2, dpi, tlx::kDesignDpi);
            wraps = (style & BS_MULTILINE) != 0;
        }
    } else if (IsTextLabel(control)) {
        const LONG type = style & SS_TYPEMASK;
        wraps = type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE && !(style & SS_CENTERIMAGE);
        if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
    } else {
        return "";   // a text box, a list: their content scrolls
    }
    const SIZE need = TextSize(control, text, flags, wraps ? width : 0);
    if (need.cx <= width && need.cy <= height) return "";
    std::ostringstream out;
    out << "caption \"" << text << "\" needs " << need.cx << " x " << need.cy << ", has " << width << " x " << height;
    return out.str();
}

// Every visible control of the window (and of the dialogs in it): inside its parent,
// its caption fitting. One line per fault, naming the window.
std::vector<std::string> LayoutFaults(HWND window, const std::string &name, int dpi) {
    std::vector<std::string> faults;
    struct Walk {
        HWND top;
        std::vector<HWND> controls;
    } walk{window, {}};
    EnumChildWindows(
        window,
        [](HWND control, LPARAM param) -> BOOL {
            auto &w = *reinterpret_cast<Walk *>(param);
            const HWND parent = GetParent(control);
            if ((parent == w.top || ClassOf(parent) == "#32770") && IsWindowVisible(control))
                w.controls.push_back(control);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    if (walk.controls.empty()) faults.push_back(name + ": no controls");
    // An empty label still paints its background over a control it overlaps: one under
    // it (later in the z-order), and any one unless it clips its siblings. A group box is
    // meant to enclose others.
    for (size_t i = 0; i < walk.controls.size(); ++i) {
        const HWND label = walk.controls[i];
        if (!IsTextLabel(label) || !Driver::Text(label).empty()) continue;
        const bool clips = (GetWindowLongA(label, GWL_STYLE) & WS_CLIPSIBLINGS) != 0;
        RECT l, u, common;
        GetWindowRect(label, &l);
        for (size_t j = clips ? i + 1 : 0; j < walk.controls.size(); ++j) {
            const HWND under = walk.controls[j];
            const bool groupBox = ClassOf(under) == "Button" &&
                                  (GetWindowLongA(under, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
            GetWindowRect(under, &u);
            if (j != i && GetParent(under) == GetParent(label) && !groupBox && IntersectRect(&common, &l, &u))
                faults.push_back(name + ": an empty label " + std::to_string(GetDlgCtrlID(label)) + " covers " +
                                 ClassOf(under) + " " + std::to_string(GetDlgCtrlID(under)));
        }
    }
    for (HWND control : walk.controls) {
        const HWND parent = GetParent(control);
        RECT area, r = RectIn(control, parent);
        GetClientRect(parent, &area);
        std::ostringstream where;
        where << name << ": " << ClassOf(control) << " " << GetDlgCtrlID(control) << " ";
        if (r.left < 0 || r.top < 0 || r.right > area.right || r.bottom > area.bottom) {
            std::ostringstream out;
            out << where.str() << "at " << r.left << "," << r.top << "-" << r.right << "," << r.bottom
                << " outside " << area.right << " x " << area.bottom;
            faults.push_back(out.str());
        }
        const std::string caption = CaptionFault(control, dpi);
        if (!caption.empty()) faults.push_back(where.str() + caption);
    }
    return faults;
}

class Report {
public:
    explicit Report(int dpi) : dpi_(dpi) {}
    void Check(HWND window, const std::string &name, int dpi = 0) {
        if (!window) {
            faults_.push_back(name + ": did not open");
            return;
        }
        for (const std::string &f : LayoutFaults(window, name, dpi ? dpi : dpi_)) faults_.push_back(f);
    }
    // Pictures are kept at 150 and 200 %, where a fault shows best.
    bool Pictures() const { return dpi_ >= 144; }
    std::string PictureName(const std::string &name) const { return "scale" + std::to_string(dpi_) + "_" + name; }
    // A window of this thread, painted and pictured with its frame.
    void Picture(HWND window, const std::string &name) const {
        if (!Pictures()) return;
        ptrtest::PumpFor(200);
        wintest::ScreenShot(window, false).Save(PictureName(name));
    }
    void Add(const std::string &fault) { faults_.push_back(fault); }
    std::string Text() const {
        std::string text;
        for (const std::string &f : faults_) text += f + "\n";
        return text;
    }

private:
    int dpi_;
    std::vector<std::string> faults_;
};

// A modal window opened by show, checked from the script thread, then cancelled.
void CheckModal(Report &report, const std::string &name, HWND owner, const std::function<void()> &show) {
    dlgtest::RunModal(show, [&](Driver &d) {
        const HWND w = d.WaitForDialog("", owner);
        d.Sync();
        report.Check(w, name);
        if (w && report.Pictures()) d.Screenshot(w, report.PictureName(name));
        if (w) PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
        d.WaitClosed(w);
    });
}

void CheckEditors(Report &report, HWND owner) {
    const auto editor = [&](const std::string &name, auto &dialog) {
        dialog.FormBackColor = RGB(0xE0, 0xF0, 0xFF);
        CheckModal(report, name, owner, [&] { dialog.Show2(1, owner); });
    };
    ptr::frmSelectFunc selectFunction;
    editor("select_function", selectFunction);
    ptr::frmWatch watch;
    editor("watch_action", watch);
    ptr::frmHotkey hotkey;
    editor("hotkey", hotkey);
    ptr::frmShortcut shortcut;
    editor("shortcut", shortcut);
    ptr::frmMenuEdit menu(ptr::ChooseFunction);
    menu.EditMenuName = "new.mnu";   // a new menu
    editor("menu_editor", menu);
    std::string text = "新しいメニュー";
    CheckModal(report, "input_box", owner, [&] {
        ptr::InputBox(owner, "新しいメニューのファイル名を指定して下さい。", "メニュー作成", text);
    });
}

void CheckPluginSettings(Report &report, HWND owner) {
    const struct {
        const char *name, *file;
        int funcno, setno;
    } dialogs[] = {
        {"text_datasave", "tlxText.tlx", 0, 0},
        {"text_separator", "tlxText.tlx", 4, 0},
        {"internet_search", "tlxInternet.tlx", 3, 1},
        {"convert_quote", "tlxConvert.tlx", 7, 1},
        {"convert_replace", "tlxConvert.tlx", 11, 1},
        {"convert_pattern", "tlxConvert.tlx", 12, 1},
        {"convert_program", "tlxConvert.tlx", 13, 1},
        {"history_settings", "tlxHistory.tlx", 0, 0},
    };
    for (const auto &d : dialogs) {
        ptr::vbKXPlugin *plugin = ptr::App().Plugins.Find(d.file);
        if (!plugin) {
            report.Add(std::string(d.file) + ": not loaded");
            continue;
        }
        CheckModal(report, d.name, owner, [&] { plugin->ShowSetting(d.funcno, d.setno, owner); });
    }
}

// The phrases plug-in's editor, from its template linked into this program.
void CheckPhraseEditor(Report &report, HWND owner) {
    tlxsnippet::PhraseBook book;
    book.Add(u"挨拶", u"お世話になっております。", u"お世話になっております。");
    book.Add(u"日付", u"和暦", u"{和暦}");
    tlxsnippet::SnippetOptions options;
    CheckModal(report, "phrase_editor", owner,
               [&] { tlxsnippet::ShowPhraseEditor(GetModuleHandleA(nullptr), owner, book, options, 1); });
}

// The history window as its hotkey opens it, with three entries, two of them marked;
// pictured at every scale, as the marks' badges are drawn to the row's height.
void CheckHistoryWindow(Report &report, HWND owner) {
    ptr::vbKXPlugin *history = ptr::App().Plugins.Find("tlxHistory.tlx");
    if (!history) return report.Add("tlxHistory.tlx: not loaded");
    for (const char *text : {"最初にコピーした文", "二番目にコピーした文", "最後にコピーした文"}) {
        ptrtest::SetClipboardText(text);
        history->CallFunc(1, 1, owner, TLX_CALL_WATCH);
    }
    dlgtest::RunModal([&] { history->CallFunc(2, 1, owner, TLX_CALL_HOTKEY); }, [&](Driver &d) {
        HWND w = nullptr;
        // Open once its search box has the keys, which the marks' Space goes to.
        ptrtest::PumpUntil([&] {
            w = FindWindowW(L"tlxHistoryWindow", nullptr);
            return w && IsWindowVisible(w) && GetParent(d.Focus()) == w;
        });
        if (!w) return report.Add("history_window: did not open");
        const LRESULT rows = SendMessageW(GetDlgItem(w, tlx::kPickerList), LB_GETCOUNT, 0, 0);
        if (rows != 3) report.Add("history_window: " + std::to_string(rows) + " rows");
        for (const UINT key : {VK_SPACE, VK_DOWN, VK_DOWN, VK_SPACE}) d.Key(w, key);
        d.Sync();
        if (GetWindowTextLengthW(GetDlgItem(w, tlx::kPickerSearch)) != 0)
            report.Add("history_window: a Space went into the search box");
        report.Check(w, "history_window");
        d.Screenshot(w, "scale" + std::to_string(tlx::WindowDpi(w)) + "_history_window_marks");
        d.Key(w, VK_ESCAPE);
        if (!d.WaitClosed(w)) report.Add("history_window: Esc did not close it");
    });
}

// The phrases' picker as its hotkey opens it, over two phrases registered from the clipboard.
void CheckPhrasePicker(Report &report, HWND owner) {
    ptr::vbKXPlugin *snippet = ptr::App().Plugins.Find("tlxSnippet.tlx");
    if (!snippet) return report.Add("tlxSnippet.tlx: not loaded");
    for (const char *text : {"お世話になっております。", "よろしくお願いいたします。"}) {
        ptrtest::SetClipboardText(text);
        snippet->CallFunc(3, 1, owner, TLX_CALL_HOTKEY);
    }
    dlgtest::RunModal([&] { snippet->CallFunc(2, 1, owner, TLX_CALL_HOTKEY); }, [&](Driver &d) {
        HWND w = nullptr;
        ptrtest::PumpUntil([&] { return (w = FindWindowW(L"tlxSnippetPicker", nullptr)) && IsWindowVisible(w); });
        if (!w) return report.Add("phrase_picker: did not open");
        const LRESULT rows = SendMessageW(GetDlgItem(w, tlx::kPickerList), LB_GETCOUNT, 0, 0);
        if (rows != 3) report.Add("phrase_picker: " + std::to_string(rows) + " rows, not a folder and two phrases");
        report.Check(w, "phrase_picker");
        d.Screenshot(w, "scale" + std::to_string(tlx::WindowDpi(w)) + "_phrase_picker");
        d.Key(w, VK_ESCAPE);
        if (!d.WaitClosed(w)) report.Add("phrase_picker: Esc did not close it");
    });
}

void CheckSplash(Report &report) {
    ptr::frmSplash splash;
    if (!splash.Load()) return report.Add("splash: not made");
    ShowWindow(splash.Window(), SW_SHOWNORMAL);
    splash.SetInformation("ホットキーを登録しています...\r\nACS + F11", false, MB_OK, 60);
    ptrtest::PumpFor(200);
    report.Check(splash.Window(), "splash");
    report.Picture(splash.Window(), "splash");
}

// The settings window on each page; last, since closing it ends the thread's loops.
void CheckSettingsWindow(Report &report) {
    ptr::frmMain window;
    if (!window.Load()) return report.Add("settings window: not made");
    for (int mode = 0; mode < ptr::kModeCount; ++mode) {
        window.ShowPage(mode);
        ptrtest::PumpFor(150);
        report.Check(window.Window(), "settings_page" + std::to_string(mode));
        report.Picture(window.Window(), "settings_page" + std::to_string(mode));
    }
}

dlgtest::ProgramSetup ProgramWithPlugins() {
    return {{dlgtest::StandardPlugin("tlxText.tlx"), dlgtest::StandardPlugin("tlxInternet.tlx"),
             dlgtest::StandardPlugin("tlxConvert.tlx"), dlgtest::StandardPlugin("tlxHistory.tlx"),
             dlgtest::StandardPlugin("tlxSnippet.tlx")},
            {}};
}

}  // namespace

PTR_CHILD(display_scale_windows) {
    const int dpi = std::stoi(args.at(0));
    Report report(dpi);
    if (tlx::SystemDpi() != dpi) report.Add("the process runs at " + std::to_string(tlx::SystemDpi()) + " dpi");
    {
        dlgtest::DialogProgram program(ProgramWithPlugins());
        if (!program.Ready()) return 2;
        ptrtest::WriteFileBytes(program.Folder() + "Setting.ini", "[Main]\r\n");   // no welcome balloon
        ptr::ModeTexts().Fill();
        CheckEditors(report, program.Owner());
        CheckPluginSettings(report, program.Owner());
        CheckPhraseEditor(report, program.Owner());
        CheckHistoryWindow(report, program.Owner());
        CheckPhrasePicker(report, program.Owner());
        CheckSplash(report);
        CheckSettingsWindow(report);
    }
    return ptrtest::WriteFileBytes(args.at(1), report.Text()) ? 0 : 3;
}

TEST(DisplayScales, EveryWindowFitsItsCaptionsAndControlsAtEachScale) {
    ptrtest::TempDir folder;
    for (int dpi : kScales) {
        SCOPED_TRACE(dpi);
        const std::string out = folder.path + "faults" + std::to_string(dpi) + ".txt";
        {
            ptrtest::PrefixLogPixels scale(dpi);
            ASSERT_EQ(0, ptrtest::StartChild("display_scale_windows", {std::to_string(dpi), out}).Wait(120000));
        }
        EXPECT_EQ("", ptrtest::ReadFileBytes(out));
    }
}

// Told of a monitor of 150 %, each kind of window takes the suggested place and lays
// itself out again: controls 1.5 times their size, fonts at the new scale, all fitting.
// (Wine still draws the system's parts, check boxes and arrows, at the prefix's scale.)
TEST(DisplayScales, WindowsMovedToAMonitorOfAnotherScaleLayThemselvesOutAgain) {
    dlgtest::DialogProgram program(ProgramWithPlugins());
    ASSERT_TRUE(program.Ready());
    ptr::ModeTexts().Fill();
    Report report(tlx::kDesignDpi);
    const auto move = [&](HWND window, const std::string &name, int probeId) {
        RECT before, control;
        GetWindowRect(window, &before);
        const RECT probeBefore = RectIn(GetDlgItem(window, probeId), window);
        // At the screen's top left, so that the picture shows it whole.
        RECT suggested{0, 0, tlx::Rescale(before.right - before.left, kMovedTo, tlx::kDesignDpi),
                       tlx::Rescale(before.bottom - before.top, kMovedTo, tlx::kDesignDpi)};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(kMovedTo, kMovedTo), reinterpret_cast<LPARAM>(&suggested));
        RECT after;
        GetWindowRect(window, &after);
        EXPECT_EQ(suggested.right - suggested.left, after.right - after.left) << name;
        EXPECT_EQ(suggested.bottom - suggested.top, after.bottom - after.top) << name;
        control = RectIn(GetDlgItem(window, probeId), window);
        EXPECT_NEAR(1.5 * (probeBefore.right - probeBefore.left), control.right - control.left, 2) << name;
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(window, probeId), WM_GETFONT, 0, 0)), sizeof lf,
                   &lf);
        EXPECT_EQ(tlx::FontHeight(9, kMovedTo), lf.lfHeight) << name;
        report.Check(window, name, kMovedTo);
        ptrtest::PumpFor(200);
        wintest::ScreenShot(window, false).Save("moved144_" + name);
    };
    {
        ptr::frmSplash splash;
        ASSERT_TRUE(splash.Load());
        ShowWindow(splash.Window(), SW_SHOWNORMAL);
        splash.SetInformation("設定を読み込んでいます...", false, MB_OK, 60);
        move(splash.Window(), "splash", IDC_SPLASH_INFORMATION);
    }
    ptr::frmHotkey hotkey;
    dlgtest::RunModal([&] { hotkey.Show2(1, program.Owner()); }, [&](Driver &d) {
        const HWND w = d.WaitForDialog("", program.Owner());
        ASSERT_NE(nullptr, w);
        move(w, "hotkey", IDC_HOTKEY_OK);
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
        d.WaitClosed(w);
    });
    {
        ptrtest::WriteFileBytes(program.Folder() + "Setting.ini", "[Main]\r\n");
        ptr::frmMain window;
        ASSERT_TRUE(window.Load());
        window.ShowPage(ptr::kModeWatch);
        move(window.Window(), "settings", IDC_SAVE);
    }
    EXPECT_EQ("", report.Text());
}
