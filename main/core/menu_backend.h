// What the menu classes need of the system: popup menus and the menu files on disk.
// The Windows build implements both over the Win32 API; tests supply their own.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ini_store.h"
#include "plugin_proxy.h"

namespace ptr {

using MenuHandle = void *;   // an HMENU, kept opaque

class MenuBackend {
public:
    virtual ~MenuBackend() = default;
    // A new empty popup menu; nullptr when the system has none left.
    virtual MenuHandle CreatePopup() = 0;
    // Each append adds at the end of the parent.
    virtual void AppendCommand(MenuHandle parent, uint32_t id, const std::string &caption) = 0;
    virtual void AppendSeparator(MenuHandle parent, uint32_t id, const std::string &caption) = 0;
    virtual void AppendPopup(MenuHandle parent, MenuHandle popup, const std::string &caption) = 0;
    // Destroys a popup together with every popup appended to it.
    virtual void Destroy(MenuHandle popup) = 0;
    // Shows the popup at the mouse cursor, owned by `owner`, and waits for the choice:
    // the chosen command id, 0 when the menu was dismissed.
    virtual uint32_t Track(MenuHandle popup, WindowHandle owner) = 0;
};

class MenuFiles {
public:
    virtual ~MenuFiles() = default;
    virtual bool Exists(const std::string &path) const = 0;
    // The names (without folder) of the files in a folder, in no particular order.
    virtual std::vector<std::string> List(const std::string &folder) const = 0;
    virtual std::unique_ptr<IniStore> Open(const std::string &path) const = 0;
};

}  // namespace ptr
