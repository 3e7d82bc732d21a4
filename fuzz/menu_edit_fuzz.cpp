// A menu file opened in the menu editor, edited and saved: the input up to its first NUL
// is the file, each pair of bytes after it one editing step (what, on which entry).
// After every step the entries keep their rules; a menu that passes the checks of OK
// reads back from the file it writes as the same menu.
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ini_text.h"
#include "memory_ini.h"
#include "menu_edit_model.h"
#include "vbSubMenu.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// The rules every step keeps. Answers whether every sub-menu has entries under it: a
// file may hold empty sub-menus, but once none is left no edit makes one.
bool CheckRules(const ptr::MenuEditModel &model) {
    Require(model.Count() >= 1 && model.Items().back().Caption.empty());
    bool noEmptySubMenu = true;
    for (size_t i = 0; i < model.Count(); ++i) {
        const ptr::MenuEditItem &item = model.Item(i);
        Require(item.Level >= 0);
        Require(item.Caption.find_first_of("\r\n") == std::string::npos);
        if (model.HasChildren(i)) Require(item.ItemType == ptr::kEditSubMenu);
        else if (item.ItemType == ptr::kEditSubMenu) noEmptySubMenu = false;
    }
    return noEmptySubMenu;
}

// The writes of a save without those of the empty last entry (always an ordinary entry:
// caption, type, function type and option), which lands in whichever section it follows.
std::vector<std::tuple<std::string, std::string, std::string>> SavedWrites(const ptr::MenuEditModel &model) {
    ptrfuzz::WriteLog log;
    model.Write(log);
    log.writes.resize(log.writes.size() - 4);
    return log.writes;
}

// A menu that passes the checks of OK reads back as a menu that saves the same file: the
// same tree with the same captions and functions (levels may differ where they mean
// nothing, as for a first entry indented one level).
void CheckRoundTrip(const ptr::MenuEditModel &model) {
    if (model.CheckMenuData().fault != ptr::MenuCheckFault::None) return;
    for (const ptr::MenuEditItem &item : model.Items())
        if (item.Level >= ptr::kMaxMenuDepth) return;   // deeper than the program reads
    ptrtest::MemoryIni file;
    model.Write(file);
    ptr::MenuEditModel back;
    Require(back.Read(file));
    Require(back.Count() == model.Count());
    Require(SavedWrites(back) == SavedWrites(model));
}

void Edit(ptr::MenuEditModel &model, uint8_t what, uint8_t which) {
    const size_t i = which % model.Count();
    switch (what % 9) {
    case 0: model.SetItemCaption(i, std::string(1 + which % 3, static_cast<char>('A' + what % 26)) + "\r\n"); break;
    case 1: model.ShiftLevel(i, +1); break;
    case 2: model.ShiftLevel(i, -1); break;
    case 3: model.MoveUp(i); break;
    case 4: model.MoveDown(i); break;
    case 5: model.Insert(i); break;
    case 6: model.Delete(i); break;
    case 7: model.SetSeparator(i, what & 0x80); break;
    case 8: model.SetItemFunction(i, 3, what & 0x80 ? "" : "notes.txt"); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const size_t split = input.find('\0');
    ptrtest::MemoryIni file;
    ptrfuzz::ReadIniText(input.substr(0, split), file);

    ptr::MenuEditModel model;
    model.Read(file);
    Require(model.Count() <= static_cast<size_t>(ptr::kMaxMenuItems) + 1);
    bool noEmptySubMenu = CheckRules(model);
    CheckRoundTrip(model);
    if (split == std::string_view::npos) return 0;

    const std::string_view edits = input.substr(split + 1);
    for (size_t k = 0; k + 1 < edits.size(); k += 2) {
        Edit(model, static_cast<uint8_t>(edits[k]), static_cast<uint8_t>(edits[k + 1]));
        const bool now = CheckRules(model);
        Require(now || !noEmptySubMenu);
        noEmptySubMenu = now;
        CheckRoundTrip(model);
    }
    return 0;
}
