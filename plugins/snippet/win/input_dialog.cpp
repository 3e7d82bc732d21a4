#include "input_dialog.h"

#include "input_dialog_ids.h"

namespace tlxsnippet {

namespace {

// In dialog units, as the template gives the rest.
constexpr int kMargin = 7, kLabelWidth = 70, kFieldWidth = 150, kRowHeight = 18, kFieldHeight = 13;
constexpr int kButtonWidth = 50, kButtonHeight = 14, kButtonGap = 8;

struct Asked {
    const std::vector<std::u16string> &fields;
    std::vector<std::u16string> values;
};

RECT DialogUnits(HWND dialog, int left, int top, int width, int height) {
    RECT box{left, top, left + width, top + height};
    MapDialogRect(dialog, &box);
    return box;
}

HWND AddControl(HWND dialog, const wchar_t *className, const std::u16string &text, DWORD style, DWORD exStyle, int id,
                const RECT &box) {
    const HWND control = CreateWindowExW(exStyle, className, reinterpret_cast<const wchar_t *>(text.c_str()),
                                         WS_CHILD | WS_VISIBLE | style, box.left, box.top, box.right - box.left,
                                         box.bottom - box.top, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    return control;
}

void MoveInDialogUnits(HWND dialog, int id, int left, int top, int width, int height) {
    const RECT box = DialogUnits(dialog, left, top, width, height);
    MoveWindow(GetDlgItem(dialog, id), box.left, box.top, box.right - box.left, box.bottom - box.top, FALSE);
}

// A labelled field per question, the dialog grown to hold them and the buttons below.
void OnInitDialog(HWND dialog, const Asked &asked) {
    const int rows = static_cast<int>(asked.fields.size());
    HWND after = HWND_TOP;
    for (int row = 0; row < rows; ++row) {
        const int top = kMargin + row * kRowHeight;
        AddControl(dialog, L"STATIC", asked.fields[row] + u":", SS_RIGHT | SS_NOPREFIX | SS_CENTERIMAGE, 0,
                   IDC_SNIPPET_INPUT_FIRST + 2 * row, DialogUnits(dialog, kMargin, top, kLabelWidth, kFieldHeight));
        const HWND field = AddControl(dialog, L"EDIT", u"", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE,
                                      IDC_SNIPPET_INPUT_FIRST + 2 * row + 1,
                                      DialogUnits(dialog, kMargin * 2 + kLabelWidth, top, kFieldWidth, kFieldHeight));
        // In the order of the questions, before the buttons.
        SetWindowPos(field, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        after = field;
    }
    const int width = kMargin * 3 + kLabelWidth + kFieldWidth;
    const int buttonsTop = kMargin + rows * kRowHeight + kMargin / 2;
    MoveInDialogUnits(dialog, IDCANCEL, width - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight);
    MoveInDialogUnits(dialog, IDOK, width - kMargin - 2 * kButtonWidth - kButtonGap, buttonsTop, kButtonWidth,
                      kButtonHeight);
    SetWindowPos(GetDlgItem(dialog, IDOK), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(GetDlgItem(dialog, IDCANCEL), GetDlgItem(dialog, IDOK), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RECT client = DialogUnits(dialog, 0, 0, width, buttonsTop + kButtonHeight + kMargin);
    AdjustWindowRectEx(&client, GetWindowLongW(dialog, GWL_STYLE), FALSE, GetWindowLongW(dialog, GWL_EXSTYLE));
    RECT now;
    GetWindowRect(dialog, &now);
    // Centred where the template was centred.
    const int centerX = (now.left + now.right) / 2, centerY = (now.top + now.bottom) / 2;
    const int w = client.right - client.left, h = client.bottom - client.top;
    SetWindowPos(dialog, nullptr, centerX - w / 2, centerY - h / 2, w, h, SWP_NOZORDER);
    if (rows > 0) SetFocus(GetDlgItem(dialog, IDC_SNIPPET_INPUT_FIRST + 1));
}

std::u16string FieldText(HWND field) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, u'\0');
    text.resize(GetWindowTextW(field, reinterpret_cast<wchar_t *>(text.data()), static_cast<int>(text.size())));
    return text;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        OnInitDialog(dialog, *reinterpret_cast<Asked *>(lParam));
        SetForegroundWindow(dialog);
        return FALSE;   // the focus is on the first field
    }
    if (message != WM_COMMAND) return FALSE;
    auto &asked = *reinterpret_cast<Asked *>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (LOWORD(wParam) == IDOK) {
        asked.values.clear();
        for (size_t row = 0; row < asked.fields.size(); ++row)
            asked.values.push_back(FieldText(GetDlgItem(dialog, IDC_SNIPPET_INPUT_FIRST + 2 * static_cast<int>(row) + 1)));
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

std::optional<std::vector<std::u16string>> AskInputs(HINSTANCE module, HWND owner,
                                                     const std::vector<std::u16string> &fields) {
    Asked asked{fields, {}};
    const INT_PTR result = DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_SNIPPET_INPUT), owner, DialogProc,
                                           reinterpret_cast<LPARAM>(&asked));
    if (result != IDOK) return std::nullopt;
    return std::move(asked.values);
}

}  // namespace tlxsnippet
