#include "editor_test_support.h"

#include "app_state.h"
#include "clipboard_watch.h"
#include "frmSelectFunc_ids.h"

using dlgtest::Driver;

namespace edtest {

dlgtest::DialogProgram &Program() {
    static dlgtest::DialogProgram *program = [] {
        auto *p = new dlgtest::DialogProgram(
            {{dlgtest::TestPlugin("e2e_probe.tlx"), dlgtest::StandardPlugin("tlxText.tlx")}, {}});
        if (p->Ready() && ptrtest::CopyFileTo(ptrtest::DistDir() + "CF_Type.ini", p->Folder() + "CF_Type.ini"))
            ptr::LoadClipboardTypes();
        return p;
    }();
    return *program;
}

namespace {

HWND SelectionDialog(Driver &d, HWND editor, const std::string &titleSuffix) {
    const std::string title = std::string(ptr::kProductName) + titleSuffix;
    const HWND w = d.WaitForDialog(title, editor);
    return w && Driver::Text(w) == title ? w : nullptr;
}

}  // namespace

bool AnswerSelection(Driver &d, HWND editor, const std::string &titleSuffix, const Pick &pick) {
    const HWND w = SelectionDialog(d, editor, titleSuffix);
    if (!w) return false;
    if (!pick.category.empty() && !d.SelectText(w, IDC_SELFUNC_CATEGORY, pick.category)) return false;
    for (int i = 0; i < 3; ++i)
        if (!pick.values[i].empty() && !d.SelectText(w, IDC_SELFUNC_VALUE0 + i, pick.values[i])) return false;
    d.Click(w, IDC_SELFUNC_OK);
    return d.WaitClosed(w);
}

bool CancelSelection(Driver &d, HWND editor, const std::string &titleSuffix, std::string &preselected) {
    const HWND w = SelectionDialog(d, editor, titleSuffix);
    if (!w) return false;
    preselected = Driver::SelectedText(w, IDC_SELFUNC_VALUE0 + 1);
    d.Click(w, IDC_SELFUNC_CANCEL);
    return d.WaitClosed(w);
}

std::string AnswerMessage(Driver &d, HWND owner, DWORD timeoutMs) {
    const HWND box = d.WaitForDialog(ptr::kProductName, owner, timeoutMs);
    if (!box || box == owner) return "";
    const std::string text = Driver::MessageText(box);
    d.Key(box, VK_RETURN);
    d.WaitClosed(box);
    return text;
}

void Press(HWND dialog, int id) {
    DWORD_PTR ignored;
    SendMessageTimeoutA(GetDlgItem(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *--key;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace edtest
