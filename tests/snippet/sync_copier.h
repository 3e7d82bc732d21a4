// A sync client between two folders standing for two PCs' copies of one synced folder,
// driven by the test: each sync copies the files changed on one side since the last
// sync to the other as a client brings a file down — into a temporary file first, then
// renamed over the old one — and deletes there what was deleted. A file changed on both
// sides keeps the first side's content under its name, and the second side's beside it
// as OneDrive names a conflict copy, "name-COMPUTER.ext" after the second side's
// computer, on both sides. Sub-folders (the backups) are left alone.
#pragma once
#include <map>
#include <optional>
#include <string>

namespace snippettest {

class SyncCopier {
public:
    // Folders end in a backslash; `secondComputer` names the second side's PC.
    SyncCopier(std::string first, std::string second, std::string secondComputer);
    void Sync();
    // Conflict copies made so far.
    int Conflicts() const { return conflicts_; }

private:
    std::map<std::string, std::string> Files(const std::string &folder) const;
    // Writes as a client does: a temporary file, then a rename over the old one.
    static void Put(const std::string &folder, const std::string &name, const std::optional<std::string> &content);

    std::string first_, second_, secondComputer_;
    std::map<std::string, std::string> last_;   // each file as both sides held it after the last sync
    int conflicts_ = 0;
};

}  // namespace snippettest
