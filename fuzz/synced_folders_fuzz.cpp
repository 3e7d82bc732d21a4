// The records sync clients keep of their folders (JSON of another program's making) and
// the folder lists of the environment: read without fault, and every folder read is one
// that holds itself and what lies below it.
#include <cstdint>
#include <string>
#include <string_view>

#include "synced_folders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::vector<tlxhistory::SyncedFolder> folders;
    for (const std::u16string &path : tlxhistory::JsonStringMembers(text, "path"))
        folders.push_back({u"client", tlxhistory::FolderOfMountPoint(path)});
    std::u16string list;
    for (char c : text) list += static_cast<char16_t>(static_cast<unsigned char>(c));
    for (auto &folder : tlxhistory::ParseSyncedFolderList(list)) folders.push_back(std::move(folder));
    for (const auto &folder : folders) {
        std::u16string inside = folder.folder;
        while (!inside.empty() && (inside.back() == u'\\' || inside.back() == u'/')) inside.pop_back();
        if (inside.empty() || inside == u"\\\\?") continue;
        if (!tlxhistory::FolderHolding({folder}, inside + u"\\below") || !tlxhistory::FolderHolding({folder}, inside))
            __builtin_trap();
    }
    return 0;
}
