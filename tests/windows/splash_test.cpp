// The splash window's bars and messages, and the off-screen bitmap it draws with.
#include <gtest/gtest.h>

#include <vector>

#include "frmSplash.h"
#include "program_version.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "splash_bars.h"
#include "wine_support.h"

using namespace ptr;

namespace {

// Both bars, one row of pixels each, as the window's image holds them.
std::vector<COLORREF> Bars(const frmSplash &splash) {
    std::vector<COLORREF> pixels;
    for (int y : {6, kBottomBarTop + 6})
        for (int x = 0; x < kStripWidth; ++x) pixels.push_back(GetPixel(splash.Image().hDC(), x, y));
    return pixels;
}

std::string InformationText(const frmSplash &splash) {
    char text[256] = {};
    GetDlgItemTextA(splash.Window(), IDC_SPLASH_INFORMATION, text, sizeof text);
    return text;
}

// Presses a button of the message box that the splash window is about to show.
UINT g_answer = 0;
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM p) -> BOOL {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::string(cls) == "#32770" && IsWindowVisible(w)) *reinterpret_cast<HWND *>(p) = w;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    KillTimer(nullptr, timer);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(g_answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, g_answer)));
}

class Splash : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(splash.Load());
        ShowWindow(splash.Window(), SW_SHOWNOACTIVATE);
        ptrtest::PumpFor(100);
    }
    frmSplash splash;
};

TEST_F(Splash, BarsComeBackToTheStartAfter321Reports) {
    EXPECT_EQ(1, splash.SetInformation("設定を読み込んでいます...", false, MB_OK, 1));
    const std::vector<COLORREF> start = Bars(splash);
    // The strip is a colour circle: the two bars differ and neither is one colour.
    EXPECT_NE(start.front(), start[kStripWidth / 2]);
    splash.SetInformation("2", false, MB_OK, 1);
    const std::vector<COLORREF> second = Bars(splash);
    EXPECT_NE(start, second);
    // Top bar one pixel to the left, bottom bar one pixel to the right.
    EXPECT_EQ(start[1], second[0]);
    EXPECT_EQ(start[kStripWidth + 0], second[kStripWidth + 1]);
    for (int report = 3; report <= 321; ++report) splash.SetInformation("x", false, MB_OK, 1);
    EXPECT_EQ(start, Bars(splash));   // drawn at 320
    EXPECT_EQ(0, splash.SlidePos());
    splash.SetInformation("プラグインを初期化しています...\r\ntlxText.tlx", false, MB_OK, 1);
    EXPECT_EQ(start, Bars(splash));   // drawn at 0
    EXPECT_EQ("プラグインを初期化しています...\r\ntlxText.tlx", InformationText(splash));
    ptrtest::PumpFor(100);
    wintest::ScreenShot(splash.Window(), false).Save("splash");
}

TEST_F(Splash, AMessageRequestShowsABoxAndMovesNothing) {
    splash.SetInformation("メニュー情報を検索しています...", false, MB_OK, 1);
    splash.SetInformation("ホットキーを登録しています...", false, MB_OK, 1);
    const std::vector<COLORREF> before = Bars(splash);
    const int pos = splash.SlidePos();
    g_answer = IDNO;
    SetTimer(nullptr, 0, 100, AnswerMessageBox);
    EXPECT_EQ(IDNO, splash.SetInformation("ホットキーの登録に失敗しました。", true, MB_YESNO | MB_ICONWARNING, 1));
    EXPECT_EQ(pos, splash.SlidePos());
    EXPECT_EQ(before, Bars(splash));
    EXPECT_EQ("ホットキーを登録しています...", InformationText(splash));
}

TEST_F(Splash, ShowsTheCopyrightOfTheVersionResource) {
    char text[256] = {};
    GetDlgItemTextA(splash.Window(), IDC_SPLASH_COPYRIGHT, text, sizeof text);
    EXPECT_EQ(OwnVersion().copyright, text);
    EXPECT_NE("", OwnVersion().copyright);
    EXPECT_EQ(1, OwnVersion().major);
    EXPECT_EQ(1, OwnVersion().minor);
    EXPECT_EQ(0, OwnVersion().revision);
    RECT client;
    GetClientRect(splash.Window(), &client);
    EXPECT_EQ(kSplashWidth, client.right);
    EXPECT_EQ(kSplashHeight, client.bottom);
}

// --- vbBitmap -------------------------------------------------------------------

TEST(OffScreenBitmap, CreateFillDrawAndDelete) {
    vbBitmap b;
    b.CreateBitmap(30, 20, RGB(10, 200, 30));
    EXPECT_EQ(30, b.Width());
    EXPECT_EQ(20, b.Height());
    ASSERT_NE(nullptr, b.hDC());
    ASSERT_NE(nullptr, b.Object());
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(b.hDC(), 29, 19));

    vbBitmap copy;
    copy.CreateBitmapFromDC(b.hDC(), 5, 5, 10, 4);
    EXPECT_EQ(10, copy.Width());
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(copy.hDC(), 9, 3));

    vbBitmap target;
    target.CreateBitmap(50, 50, RGB(0, 0, 0));
    b.Draw(target.hDC(), 10, 10, 5, 5, 0, 0);
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(target.hDC(), 14, 14));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(target.hDC(), 15, 15));
    b.StretchDraw(target.hDC(), 0, 30, 50, 20, 0, 0);   // -1: the whole bitmap
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(target.hDC(), 49, 49));

    b.DeleteBitmap();
    EXPECT_EQ(nullptr, b.hDC());
    EXPECT_EQ(nullptr, b.Object());
    EXPECT_EQ(0, b.Width());
    EXPECT_EQ(0, b.Height());
}

TEST(OffScreenBitmap, FromPicturesStretchedAndNot) {
    const HBITMAP strip = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH_STRIP),
                                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, strip);
    vbBitmap plain, ratio, sized;
    plain.CreateBitmapFromPicture(strip);
    EXPECT_EQ(320, plain.Width());
    EXPECT_EQ(1, plain.Height());
    ratio.CreateStretchBitmapFromPicture(strip, 1.5);
    EXPECT_EQ(480, ratio.Width());
    EXPECT_EQ(2, ratio.Height());   // 1.5 rounded
    sized.CreateStretchBitmapFromPicture2(strip, 320, 12);
    EXPECT_EQ(12, sized.Height());
    EXPECT_EQ(GetPixel(plain.hDC(), 160, 0), GetPixel(sized.hDC(), 160, 11));
    DeleteObject(strip);

    // Only bitmaps are pictures to take: anything else leaves the object empty.
    vbBitmap none;
    none.CreateBitmapFromPicture(GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(nullptr, none.Object());
    EXPECT_EQ(0, none.Width());
    none.CreateStretchBitmapFromPicture(nullptr, 2.0);
    EXPECT_EQ(nullptr, none.hDC());
}

TEST(OffScreenBitmap, FromAFile) {
    ptrtest::TempDir folder;
    // A 2 x 1 bitmap file, 24 bits: blue then red (rows padded to 4 bytes).
    const unsigned char bmp[] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0,
                                 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0,
                                 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0};
    ptrtest::WriteFileBytes(folder.path + "two.bmp", std::string(reinterpret_cast<const char *>(bmp), sizeof bmp));
    vbBitmap b;
    ASSERT_TRUE(b.CreateBitmapFromFile(folder.path + "two.bmp"));
    EXPECT_EQ(2, b.Width());
    EXPECT_EQ(1, b.Height());
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(b.hDC(), 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(b.hDC(), 1, 0));
    vbBitmap missing;
    EXPECT_FALSE(missing.CreateBitmapFromFile(folder.path + "none.bmp"));
    EXPECT_EQ(nullptr, missing.Object());
}

}  // namespace
