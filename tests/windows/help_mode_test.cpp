// Help mode enlarges the settings window, its controls and the splash window by 1.3.
// Measured in a child process: help mode is a setting of the whole program.
#include <gtest/gtest.h>

#include <sstream>

#include "app_state.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "host_dll.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "wine_support.h"

using namespace ptr;

namespace {

struct Size {
    std::string name;
    int normal = 0, help = 0;
};

void Measure(std::vector<Size> &sizes, bool help) {
    AppState &app = App();
    app.HelpMode = help;
    app.HelpModeScale = help ? 1.3f : 1.0f;
    app.Settings.Mode = kModeWatch;
    std::vector<int> values;
    {
        frmMain window;
        window.Load();
        const auto add = [&](HWND w, bool width, bool height) {
            RECT r;
            GetWindowRect(w, &r);
            if (width) values.push_back(r.right - r.left);
            if (height) values.push_back(r.bottom - r.top);
        };
        add(window.Window(), true, true);
        add(window.Control(IDC_MODE0), true, true);
        add(window.Control(IDC_LIST), true, true);
        add(window.Control(IDC_LIST_BUTTON0 + 3), false, true);   // half height, set by the page
        add(window.Control(IDC_LIST_BUTTON0 + 4), false, true);
        RECT down;
        GetWindowRect(window.Control(IDC_LIST_BUTTON0 + 4), &down);
        MapWindowPoints(HWND_DESKTOP, window.Window(), reinterpret_cast<POINT *>(&down), 2);
        values.push_back(down.top);
        frmSplash splash;
        splash.Load();
        add(splash.Window(), true, true);
        if (help) {
            ShowWindow(splash.Window(), SW_SHOWNORMAL);
            splash.SetInformation("ホットキーを登録しています...\r\nACS + F11", false, MB_OK, 60);
            splash.SetInformation("ホットキーを登録しています...\r\nACS + F11", false, MB_OK, 1);
            ptrtest::PumpFor(300);
            wintest::ScreenShot(splash.Window(), false).Save("splash_helpmode");
            ShowWindow(splash.Window(), SW_HIDE);
            window.Show2();
            ptrtest::PumpFor(300);
            wintest::ScreenShot(window.Window()).Save("settings_helpmode");
        }
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window.Control(IDC_LIST), WM_GETFONT, 0, 0)), sizeof lf, &lf);
        values.push_back(std::string(lf.lfFaceName) == "Fixedsys");
    }
    const char *names[] = {"window width",  "window height",  "mode button width", "mode button height",
                           "list width",    "list height",    "up height",         "down height",
                           "down top",      "splash width",   "splash height",     "Fixedsys"};
    for (size_t i = 0; i < values.size(); ++i) {
        if (sizes.size() <= i) sizes.push_back({names[i]});
        (help ? sizes[i].help : sizes[i].normal) = values[i];
    }
}

}  // namespace

PTR_CHILD(help_mode_sizes) {
    if (!HostDll::Load(ptrtest::DistDir())) return 2;
    App().AppPath = args.at(0);
    ModeTexts().Fill();
    std::vector<Size> sizes;
    Measure(sizes, false);
    Measure(sizes, true);
    std::ostringstream out;
    for (const Size &s : sizes) out << s.name << '\t' << s.normal << '\t' << s.help << '\n';
    return ptrtest::WriteFileBytes(args.at(0) + "sizes.txt", out.str()) ? 0 : 3;
}

TEST(HelpMode, WindowsAndControlsAreOnePointThreeTimesTheirSize) {
    ptrtest::TempDir folder;
    ptrtest::WriteFileBytes(folder.path + "Setting.ini", "[Main]\r\n");   // no welcome balloon
    ASSERT_EQ(0, ptrtest::StartChild("help_mode_sizes", {folder.path}).Wait(30000));
    std::istringstream in(ptrtest::ReadFileBytes(folder.path + "sizes.txt"));
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name;
        int normal = 0, help = 0;
        std::getline(fields, name, '\t');
        fields >> normal >> help;
        ++count;
        if (name == "Fixedsys") {
            EXPECT_EQ(0, normal);
            EXPECT_EQ(1, help) << "help mode uses Fixedsys";
            continue;
        }
        const double expected = normal * 1.3;
        EXPECT_NEAR(expected, help, 2.5) << name << ": normal " << normal << ", help " << help;
    }
    EXPECT_EQ(12, count);
}
