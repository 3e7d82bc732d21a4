// Stand-ins for what the portable core asks of the system: plug-ins, clipboard
// formats, popup menus and menu files. Each records what was asked of it.
#pragma once
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "clipboard_types.h"
#include "memory_ini.h"
#include "menu_backend.h"
#include "vbKXPlugin.h"

namespace fntest {

// Plug-ins by file name. Each function answers PIN_Func with its verdict.
class FakePlugins : public ptr::PluginProxy {
public:
    struct Function {
        std::string name;
        int32_t type = TLX_FUNC_ACTION;
        std::vector<std::string> settings{"(1)"};
        int32_t verdict = 0;
    };
    struct Plugin {
        std::string name;
        std::vector<Function> functions;
        std::string version, copyright, comment, url, mail;
        bool about = false;
    };
    struct Call {
        std::string file;
        int32_t funcno, setno, callType;
        bool operator==(const Call &o) const {
            return file == o.file && funcno == o.funcno && setno == o.setno && callType == o.callType;
        }
    };

    Plugin &Define(const std::string &file, const std::string &name) {
        Plugin &p = plugins_[file];
        p.name = name;
        return p;
    }
    // Loads the defined plug-ins into the list, in the order given.
    void LoadInto(ptr::PluginList &list, const std::vector<std::string> &files) {
        for (const std::string &file : files) {
            auto plugin = std::make_unique<ptr::vbKXPlugin>(*this);
            if (plugin->Init("C:\\Plugins\\", file)) list.Add(std::move(plugin));
        }
    }
    void SetVerdict(const std::string &file, int32_t funcno, int32_t verdict) {
        plugins_.at(file).functions.at(funcno - 1).verdict = verdict;
    }

    std::vector<Call> calls;

    intptr_t Init(const std::string &path) override {
        const std::string file = path.substr(path.find_last_of('\\') + 1);
        if (!plugins_.count(file)) return ptr::kPluginNotLoaded;
        ids_.push_back(file);
        return static_cast<intptr_t>(ids_.size());
    }
    void Quit(intptr_t) override {}
    int32_t ShowAbout(intptr_t, ptr::WindowHandle) override { return 0; }
    int32_t ShowSetting(intptr_t, int32_t, int32_t, ptr::WindowHandle) override { return 0; }
    int32_t Func(intptr_t id, int32_t funcno, int32_t setno, ptr::WindowHandle, int32_t callType) override {
        calls.push_back({ids_.at(id - 1), funcno, setno, callType});
        const Function *f = FunctionOf(id, funcno);
        return f ? f->verdict : 0;
    }
    void GetInfo(intptr_t id, TlxPluginInfo &info) override {
        const Plugin &p = plugins_.at(ids_.at(id - 1));
        std::strncpy(info.Name, p.name.c_str(), sizeof info.Name);
        std::strncpy(info.Version, p.version.c_str(), sizeof info.Version);
        std::strncpy(info.Copyright, p.copyright.c_str(), sizeof info.Copyright);
        std::strncpy(info.Comment, p.comment.c_str(), sizeof info.Comment);
        std::strncpy(info.URL, p.url.c_str(), sizeof info.URL);
        std::strncpy(info.Mail, p.mail.c_str(), sizeof info.Mail);
        info.IsAbout = p.about ? 1 : 0;
        info.FuncCount = static_cast<int32_t>(p.functions.size());
    }
    void GetFuncInfo(intptr_t id, int32_t funcno, TlxFuncInfo &info) override {
        const Function &f = *FunctionOf(id, funcno);
        std::strncpy(info.Name, f.name.c_str(), sizeof info.Name);
        info.FunctionType = f.type;
        info.FuncNameNumMax = static_cast<int32_t>(f.settings.size());
    }
    int32_t GetFuncSettingName(intptr_t id, int32_t funcno, int32_t setno, char *buffer, int32_t size) override {
        const Function &f = *FunctionOf(id, funcno);
        const std::string &name = f.settings.at(setno - 1);
        if (buffer) std::strncpy(buffer, name.c_str(), size);
        return static_cast<int32_t>(std::min<size_t>(name.size(), size));
    }

private:
    const Function *FunctionOf(intptr_t id, int32_t funcno) const {
        const Plugin &p = plugins_.at(ids_.at(id - 1));
        if (funcno < 1 || funcno > static_cast<int32_t>(p.functions.size())) return nullptr;
        return &p.functions[funcno - 1];
    }
    std::map<std::string, Plugin> plugins_;
    std::vector<std::string> ids_;
};

// Registered formats are numbered from 0xC000 like the system's; `present` is what the
// clipboard holds.
class FakeFormats : public ptr::ClipboardFormats {
public:
    std::set<int32_t> present;
    std::vector<int32_t> asked;   // IsAvailable calls in order

    int32_t Register(const std::string &name) override {
        if (name.empty()) return 0;
        for (size_t i = 0; i < names_.size(); ++i)
            if (ptr::EqualsNoCase(names_[i], name)) return static_cast<int32_t>(0xC000 + i);
        names_.push_back(name);
        return static_cast<int32_t>(0xC000 + names_.size() - 1);
    }
    std::string RegisteredName(int32_t id) const override {
        const size_t i = static_cast<size_t>(id - 0xC000);
        return id >= 0xC000 && i < names_.size() ? names_[i] : "";
    }
    bool IsAvailable(int32_t id) const override {
        const_cast<FakeFormats *>(this)->asked.push_back(id);
        return present.count(id) != 0;
    }
    size_t RegisteredCount() const { return names_.size(); }

private:
    std::vector<std::string> names_;
};

// Popups as trees of text lines, so a test can compare what would be shown.
class FakeMenus : public ptr::MenuBackend {
public:
    struct Item {
        std::string kind;   // "cmd", "sep", "popup"
        uint32_t id = 0;
        std::string caption;
        ptr::MenuHandle popup = nullptr;
    };
    uint32_t nextChoice = 0;   // what Track answers
    int created = 0, destroyed = 0;
    size_t popupLimit = SIZE_MAX;

    ptr::MenuHandle CreatePopup() override {
        if (live_.size() >= popupLimit) return nullptr;
        auto popup = std::make_unique<std::vector<Item>>();
        ptr::MenuHandle handle = popup.get();
        live_[handle] = std::move(popup);
        ++created;
        return handle;
    }
    void AppendCommand(ptr::MenuHandle parent, uint32_t id, const std::string &caption) override {
        Items(parent).push_back({"cmd", id, caption, nullptr});
    }
    void AppendSeparator(ptr::MenuHandle parent, uint32_t id, const std::string &caption) override {
        Items(parent).push_back({"sep", id, caption, nullptr});
    }
    void AppendPopup(ptr::MenuHandle parent, ptr::MenuHandle popup, const std::string &caption) override {
        Items(parent).push_back({"popup", 0, caption, popup});
    }
    void Destroy(ptr::MenuHandle popup) override {
        for (const Item &item : Items(popup))
            if (item.popup) Destroy(item.popup);
        live_.erase(popup);
        ++destroyed;
    }
    uint32_t Track(ptr::MenuHandle popup, ptr::WindowHandle) override {
        tracked = popup;
        return nextChoice;
    }
    ptr::MenuHandle tracked = nullptr;

    std::vector<Item> &Items(ptr::MenuHandle popup) { return *live_.at(popup); }
    size_t LiveCount() const { return live_.size(); }
    // "Caption" per command, "-" per separator, "Caption>" then the popup's lines indented.
    std::string Outline(ptr::MenuHandle popup, const std::string &indent = "") {
        std::string out;
        for (const Item &item : Items(popup)) {
            if (item.kind == "sep") out += indent + "-\n";
            if (item.kind == "cmd") out += indent + item.caption + "\n";
            if (item.kind == "popup") out += indent + item.caption + ">\n" + Outline(item.popup, indent + "  ");
        }
        return out;
    }
    // The id of the first command item with that caption, searching every live popup.
    uint32_t IdOf(const std::string &caption) const {
        for (const auto &[handle, items] : live_)
            for (const Item &item : *items)
                if (item.kind == "cmd" && item.caption == caption) return item.id;
        return 0;
    }

private:
    std::map<ptr::MenuHandle, std::unique_ptr<std::vector<Item>>> live_;
};

// Menu files in memory, by full path.
class FakeMenuFiles : public ptr::MenuFiles {
public:
    std::map<std::string, ptrtest::MemoryIni> files;
    std::vector<std::string> otherFiles;   // in the folder, but never opened

    ptrtest::MemoryIni &File(const std::string &path) { return files[path]; }
    bool Exists(const std::string &path) const override { return files.count(path) != 0; }
    std::vector<std::string> List(const std::string &folder) const override {
        std::vector<std::string> names = otherFiles;
        for (const auto &[path, ini] : files)
            if (path.rfind(folder, 0) == 0) names.push_back(path.substr(folder.size()));
        return names;
    }
    std::unique_ptr<ptr::IniStore> Open(const std::string &path) const override {
        return std::make_unique<ptrtest::MemoryIni>(files.at(path));
    }
};

}  // namespace fntest
