// The one look at a copy (tlx::CurrentCopy), taken of an item of 連続貼り付け: the item
// is left alone as a private copy is, its text is never asked for (that would be its
// paste), and the marks it carries for the system's clipboard history are not carried
// over to what replaces it.
#include <gtest/gtest.h>

#include "current_copy.h"
#include "queue_item_mark.h"
#include "wine_support.h"

namespace {

int g_renders = 0;

LRESULT CALLBACK PromisingProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_RENDERFORMAT) ++g_renders;
    return DefWindowProcW(window, message, wp, lp);
}

// Promises text as the owner of the clipboard, with a DWORD 0 under each of the marks.
bool PromiseText(HWND owner, std::initializer_list<const char *> marks) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, nullptr);
    for (const char *mark : marks) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DWORD));
        SetClipboardData(RegisterClipboardFormatA(mark), block);
    }
    return CloseClipboard() != FALSE;
}

TEST(QueueItemLook, LeftAloneUnreadAndItsMarksNotCarried) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PromisingProc;
    windowClass.lpszClassName = L"PtrPromisingOwner";
    RegisterClassW(&windowClass);
    const HWND owner = CreateWindowW(L"PtrPromisingOwner", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, owner);
    const struct {
        const char *name;
        std::initializer_list<const char *> marks;
        bool isPrivate;
        size_t carried;
    } cases[] = {
        {"an item of the queue", {tlx::kQueueItemFormat, tlx::kCanIncludeInHistoryFormat}, true, 0},
        {"a private copy", {tlx::kCanIncludeInHistoryFormat}, true, 1},
        {"an ordinary copy", {}, false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(PromiseText(owner, c.marks));
        g_renders = 0;
        const std::shared_ptr<const tlx::CopyLook> look = tlx::CurrentCopy();
        EXPECT_EQ(c.isPrivate, look->isPrivate);
        EXPECT_EQ(c.carried, look->marks.size());
        EXPECT_TRUE(look->formats.Has(CF_UNICODETEXT));
        EXPECT_EQ(0, g_renders) << "the text is not asked for";
    }
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    DestroyWindow(owner);
}

}  // namespace
