#include "snippet_program.h"

#include "phrase_file.h"
#include "phrase_files.h"
#include "program_settings.h"

namespace snippettest {

namespace {

const wchar_t kTargetClass[] = L"SnippetTestTarget";
const wchar_t kTargetTitle[] = L"貼り付け先";

// Three digits, as the program numbers its list entries.
std::string EntryNumber(int entry) {
    char number[8];
    snprintf(number, sizeof number, "%03d", entry);
    return number;
}

}  // namespace

// A window that hands the focus to its edit box, as an editor's main window does.
LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND edit = GetWindow(window, GW_CHILD);
    switch (message) {
    case WM_SETFOCUS:
        SetFocus(edit);
        return 0;
    case WM_SIZE:
        MoveWindow(edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

PTR_CHILD(edit_box) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.lpszClassName = kTargetClass;
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, kTargetClass, kTargetTitle, WS_OVERLAPPEDWINDOW, 80, 80, 320, 140,
                                        nullptr, nullptr, nullptr, nullptr);
    CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 300, 100, window, nullptr, nullptr,
                    nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(window);
    ptrtest::PumpUntil([&] { return !IsWindow(window); }, 300000);
    return 0;
}

EditBox::EditBox() : process_(ptrtest::StartChild("edit_box")) {
    window_ = e2e::WaitForWindow(process_.id, "SnippetTestTarget", e2e::FromWide(kTargetTitle), 10000);
    edit_ = GetWindow(window_, GW_CHILD);
    BringToFront();
}

EditBox::~EditBox() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    process_.Wait(5000);
}

void EditBox::BringToFront() const {
    SetForegroundWindow(window_);
    ptrtest::PumpUntil([&] { return GetForegroundWindow() == window_; }, 3000);
    ptrtest::PumpFor(200);
}

std::u16string EditBox::Text() const { return ptrtest::UnicodeText(edit_); }

size_t EditBox::Caret() const {
    DWORD_PTR selection = 0;
    SendMessageTimeoutW(edit_, EM_GETSEL, 0, 0, SMTO_NORMAL, 5000, &selection);
    return HIWORD(selection);
}

POINT EditBox::CaretOnScreen() const {
    GUITHREADINFO info{sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(edit_, nullptr), &info);
    POINT corner{info.rcCaret.left, info.rcCaret.bottom};
    ClientToScreen(info.hwndCaret ? info.hwndCaret : edit_, &corner);
    return corner;
}

bool EditBox::WaitForText(const std::u16string &expected, DWORD ms) const {
    return ptrtest::PumpUntil([&] { return Text() == expected; }, ms);
}

void SnippetProgram::Prepare(const tlxsnippet::PhraseBook &book, const std::string &settings) {
    program.AddPlugin("tlxSnippet.tlx");
    CreateDirectoryA((program.Path() + "Plugins\\tlxSnippet").c_str(), nullptr);
    ASSERT_TRUE(ptrtest::WriteFileBytes(PhrasesFile(), tlxsnippet::WritePhraseFile(book)));
    program.WriteSettings(ptrtest::QuietMain(false) + settings);
}

int32_t AddedNumber(const std::u16string &computer, int n) {
    return tlxsnippet::BlockNumbers(tlxsnippet::ChooseBlock(computer, {})).first + n - 1;
}

tlxsnippet::PhraseBook ReadPhraseFolder(const std::string &folder, const std::u16string &computer) {
    tlxsnippet::PhraseState state;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "Phrases-*.txt").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const tlxsnippet::PhraseFile file = tlxsnippet::ReadPhrases(ptrtest::ReadFileBytes(folder + found.cFileName), computer);
            if (file.outcome == tlxsnippet::PhraseFile::Outcome::kRead) state.Absorb(file.state);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return tlxsnippet::ViewOf(state, state.Counts(), {computer, false, {}});
}

SnippetProgram::SnippetProgram() {
    SetEnvironmentVariableW(L"PORTERICA_TEST_COMPUTER_NAME", reinterpret_cast<const wchar_t *>(kTestComputer));
}

tlxsnippet::PhraseBook SnippetProgram::Saved() const { return ReadPhraseFolder(PluginFolder()); }

tlxsnippet::PhraseBook SnippetProgram::SavedWith(size_t count) const {
    tlxsnippet::PhraseBook book;
    ptrtest::PumpUntil([&] {
        book = Saved();
        return book.Phrases().size() == count;
    }, 8000);
    return book;
}

void SnippetProgram::Execute(int funcno, int setno) const {
    program.Run("/Execute:1:tlxSnippet.tlx/" + std::to_string(funcno) + "/" + std::to_string(setno)).Wait(10000);
}

HWND SnippetProgram::WaitForDialog(const std::string &caption, DWORD ms) const {
    return e2e::WaitForWindow(GetProcessId(program.Process()), "#32770", caption, ms);
}

std::vector<Way> HotkeyAndExecute(const SnippetProgram &test, WORD key, int setno) {
    return {{"hotkey", [key] { e2e::PressChord({VK_MENU, VK_SHIFT, key}); }},
            {"/Execute:", [&test, setno] { test.Execute(1, setno); }}};
}

std::string HotkeyEntry(int entry, int funcno, int setno, int key, int modifiers) {
    const std::string n = EntryNumber(entry);
    return n + "Function= 1\r\n" + n + "Key= " + std::to_string(key) + "\r\n" + n + "ModKey= " +
           std::to_string(modifiers) + "\r\n" + n + "Option=tlxSnippet.tlx/" + std::to_string(funcno) + "/" +
           std::to_string(setno) + "\r\n";
}

}  // namespace snippettest
