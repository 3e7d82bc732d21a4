#include "history_notices.h"

#include <windows.h>

#include "host_services.h"

namespace tlxhistory {

namespace {

constexpr char kTitle[] = "履歴";

void Tell(const std::string &text) {
    if (tlx::ShowHostNotice(kTitle, text.c_str(), true)) return;
    MessageBoxA(nullptr, text.c_str(), kTitle, MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST);
}

// A client's name as the notice shows it (code page 932, as the host takes its texts).
std::string Narrow(const std::u16string &text) {
    const auto *wide = reinterpret_cast<const wchar_t *>(text.c_str());
    const int size = WideCharToMultiByte(932, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(932, 0, wide, -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(size - 1));
    return narrow;
}

}  // namespace

void TellSetAside(SetAside why) {
    if (why == SetAside::kNone) return;
    const char *reason = why == SetAside::kNotThisUsers
                             ? "保存した履歴は別のPCか別のユーザーで暗号化されたため、読めません。"
                             : "保存した履歴のファイルが壊れているか新しい版のものなので、読めません。";
    Tell(std::string(reason) + "ファイルは名前に .damaged を付けて残し、空の履歴で始めます。");
}

void TellSyncedFolder(const std::u16string &client) {
    Tell("ポルテリカのフォルダは " + Narrow(client) +
         " で同期されています。履歴は暗号化して保存しますが、同期させないときは履歴の設定の「履歴の保存先」を変えてください。");
}

}  // namespace tlxhistory
