#include "settings_dialog.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "resource.h"

namespace tlxhistory {

namespace {

struct NumberField {
    int edit;
    int spin;
    int low;
    int high;
    const char *name;
};

constexpr NumberField kCountField{IDC_MAX_COUNT, IDC_MAX_COUNT_SPIN, kMinCount, kMaxCount, "最大件数"};
constexpr NumberField kSizeField{IDC_MAX_SIZE, IDC_MAX_SIZE_SPIN, kMinSizeKB, kMaxSizeKB, "1件の最大サイズ(KB)"};

HistoryKeeper &KeeperOf(HWND dialog) {
    return *reinterpret_cast<HistoryKeeper *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void InitField(HWND dialog, const NumberField &field, int value) {
    SendDlgItemMessageA(dialog, field.spin, UDM_SETRANGE32, field.low, field.high);
    SetDlgItemInt(dialog, field.edit, static_cast<UINT>(value), FALSE);
}

// The number in the field, or nothing after telling the user its range and
// putting the caret there.
std::optional<int> ReadField(HWND dialog, const NumberField &field) {
    BOOL ok = FALSE;
    const UINT value = GetDlgItemInt(dialog, field.edit, &ok, FALSE);
    if (ok && value >= static_cast<UINT>(field.low) && value <= static_cast<UINT>(field.high))
        return static_cast<int>(value);
    const std::string message = std::string(field.name) + "は " + std::to_string(field.low) + " から " +
                                std::to_string(field.high) + " までの数で入力してください。";
    MessageBoxA(dialog, message.c_str(), "設定", MB_OK | MB_ICONWARNING);
    const HWND edit = GetDlgItem(dialog, field.edit);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    return std::nullopt;
}

void OnInitDialog(HWND dialog, HistoryKeeper &keeper) {
    const HistorySettings &settings = keeper.Settings();
    InitField(dialog, kCountField, settings.maxCount);
    InitField(dialog, kSizeField, settings.maxSizeKB);
    CheckDlgButton(dialog, IDC_KEEP_AFTER_EXIT, settings.keepAfterExit ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_PASTE_CHOSEN, settings.pasteChosen ? BST_CHECKED : BST_UNCHECKED);
}

void OnOk(HWND dialog) {
    const std::optional<int> count = ReadField(dialog, kCountField);
    if (!count) return;
    const std::optional<int> size = ReadField(dialog, kSizeField);
    if (!size) return;
    HistorySettings settings;
    settings.maxCount = *count;
    settings.maxSizeKB = *size;
    settings.keepAfterExit = IsDlgButtonChecked(dialog, IDC_KEEP_AFTER_EXIT) == BST_CHECKED;
    settings.pasteChosen = IsDlgButtonChecked(dialog, IDC_PASTE_CHOSEN) == BST_CHECKED;
    KeeperOf(dialog).ApplySettings(settings);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        OnInitDialog(dialog, *reinterpret_cast<HistoryKeeper *>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(dialog);
        else if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void ShowSettingsDialog(HINSTANCE instance, HWND owner, HistoryKeeper &keeper) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETTINGS), owner, SettingsProc,
                    reinterpret_cast<LPARAM>(&keeper));
}

}  // namespace tlxhistory
