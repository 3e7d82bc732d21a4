// A menu file in MenuData as a user, an older version or another program may have left
// it: loaded through the start-up scan, built into a popup and one item chosen.
#include <cstdint>
#include <memory>
#include <string>

#include "ini_text.h"
#include "memory_ini.h"
#include "vbMenu.h"

namespace {

constexpr const char *kFolder = "C:\\menus\\";
constexpr const char *kFile = "fuzz.mnu";

class Files : public ptr::MenuFiles {
public:
    explicit Files(const ptrtest::MemoryIni &file) : file_(file) {}
    bool Exists(const std::string &path) const override { return path == std::string(kFolder) + kFile; }
    std::vector<std::string> List(const std::string &) const override { return {kFile, "notes.txt"}; }
    std::unique_ptr<ptr::IniStore> Open(const std::string &) const override {
        return std::make_unique<ptrtest::MemoryIni>(file_);
    }

private:
    const ptrtest::MemoryIni &file_;
};

// Popups are numbers; the menu "chosen" is the last command item added.
class Backend : public ptr::MenuBackend {
public:
    ptr::MenuHandle CreatePopup() override { return reinterpret_cast<ptr::MenuHandle>(++popups); }
    void AppendCommand(ptr::MenuHandle, uint32_t id, const std::string &) override {
        ++items;
        lastCommand = id;
    }
    void AppendSeparator(ptr::MenuHandle, uint32_t, const std::string &) override { ++items; }
    void AppendPopup(ptr::MenuHandle, ptr::MenuHandle, const std::string &) override { ++items; }
    void Destroy(ptr::MenuHandle) override {}
    uint32_t Track(ptr::MenuHandle, ptr::WindowHandle) override { return lastCommand; }

    uintptr_t popups = 0;
    size_t items = 0;
    uint32_t lastCommand = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ptrtest::MemoryIni file;
    ptrfuzz::ReadIniText(std::string_view(reinterpret_cast<const char *>(data), size), file);
    Files files(file);
    Backend backend;
    ptr::PluginList plugins;
    ptr::MenuList menus;
    ptr::LoadMenus(menus, ptr::MenuEnvironment{backend, files, kFolder, plugins, {}}, true);
    ptr::vbMenu *menu = menus.Find(kFile);
    if (!menu || menus.Count() != 2) __builtin_trap();   // the default menu and the file; never the text file
    if (backend.items > static_cast<size_t>(ptr::kMaxMenuItems)) __builtin_trap();

    const uint32_t offered = backend.lastCommand;
    const ptr::vbSubMenu *chosen = menu->ShowSubMenu(nullptr);
    if (offered && (!chosen || chosen->ItemId() != offered || chosen->MenuType != ptr::kMenuCommand)) __builtin_trap();
    ptr::MenuTestMessage(chosen, plugins, menus);
    return 0;
}
