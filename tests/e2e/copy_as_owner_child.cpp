// A program that copies: "--child=copy_as_owner TEXT" copies TEXT (code page 932) from a
// window of its own and stays a while, so that the program under test finds it as the
// copy's owner. Started from a copy of the test program under a file name of the test's
// choosing, it stands for the program a copy came from.
#include <windows.h>

#include <cstring>
#include <string>

#include "wine_support.h"

PTR_CHILD(copy_as_owner) {
    if (args.empty()) return 2;
    const HWND window = CreateWindowA("STATIC", "source", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    if (!window || !OpenClipboard(window)) return 3;
    EmptyClipboard();
    std::u16string text(args[0].size(), u'\0');
    text.resize(MultiByteToWideChar(CP_ACP, 0, args[0].data(), static_cast<int>(args[0].size()),
                                    reinterpret_cast<wchar_t *>(text.data()), static_cast<int>(text.size())));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    std::memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(char16_t));
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    ptrtest::PumpFor(6000);
    return 0;
}
