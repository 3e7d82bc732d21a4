#include "profile_file.h"

#include <windows.h>

#include <set>
#include <utility>

#include "held_file.h"
#include "module_folder.h"

namespace tlx {

namespace {

// The settings files that could not be read this run: what the plug-in holds of them are
// the defaults, which must not replace what the file holds.
std::set<std::string> &Unread() {
    static std::set<std::string> files;
    return files;
}

void TellUnread(const std::string &file) {
    TellOnce("settings " + file, "設定ファイルを読めません",
             "「" + file + "」をほかのプログラムが使用中のため読めませんでした。今回は既定の設定で動作し、このファイルには保存しません。");
}

}  // namespace

ProfileFile::ProfileFile(std::string folder, const std::string &fileName)
    : folder_(std::move(folder)), file_(folder_ + fileName) {}

bool ProfileFile::Readable() {
    if (!std::exchange(checked_, true)) {
        if (ReadWhenFree(file_.Path()).outcome == FileRead::Outcome::kHeld) {
            Unread().insert(file_.Path());
            TellUnread(file_.Path());
        }
    }
    return !Unread().count(file_.Path());
}

std::string ProfileFile::ReadText(const std::string &section, const std::string &key,
                                  const std::string &fallback) {
    if (!Readable()) return fallback;
    // As into a buffer larger than any field, so that a long value is cut by the model at a character.
    return file_.Section(section).Text(key, fallback, 10240);
}

int32_t ProfileFile::ReadNumber(const std::string &section, const std::string &key, int32_t fallback) {
    if (!Readable()) return fallback;
    return file_.Section(section).Number(key, fallback);
}

void ProfileFile::WriteText(const std::string &section, const std::string &key, const std::string &value) {
    if (Unread().count(file_.Path())) return TellUnread(file_.Path());
    CreateDirectoryA(folder_.c_str(), nullptr);
    file_.Write(section, key, value);
}

std::unique_ptr<ProfileFile> PluginSettingsFile() {
    return std::make_unique<ProfileFile>(PluginFolderOf(OwnModule()), "Setting.ini");
}

}  // namespace tlx
