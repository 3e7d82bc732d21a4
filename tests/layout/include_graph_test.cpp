// The layout as the sources' own #include lines draw it: no file reaches itself again
// through what it includes, and the portable folders, built and tested on Linux, reach
// no Windows header, not even through a header of another folder. A .cpp and the .h of
// the same name count as one file: their including each other is no cycle.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Includes {
    std::set<std::string> local;    // files of the tree, as paths from its root
    std::set<std::string> system;   // <...> names
};

class IncludeGraph {
public:
    explicit IncludeGraph(const fs::path &root) {
        std::map<std::string, std::vector<std::string>> byName;
        for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
            const std::string name = it->path().filename().string();
            if (it->is_directory() && (name.rfind("build", 0) == 0 || name[0] == '.')) it.disable_recursion_pending();
            const std::string ext = it->path().extension().string();
            if (it->is_regular_file() && (ext == ".h" || ext == ".cpp" || ext == ".c"))
                byName[name].push_back(fs::relative(it->path(), root).generic_string());
        }
        const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
        for (const auto &[name, paths] : byName) {
            for (const std::string &path : paths) {
                Includes &out = files_[path];
                std::ifstream in(root / path);
                for (std::string line; std::getline(in, line);) {
                    std::smatch m;
                    if (!std::regex_search(line, m, include)) continue;
                    if (m[1] == "<") out.system.insert(m[2]);
                    else if (const std::string found = Resolve(byName, path, m[2]); !found.empty()) out.local.insert(found);
                }
            }
        }
    }

    const std::map<std::string, Includes> &Files() const { return files_; }

    // The cycles between files (a .cpp with its .h as one), each as "a -> b -> a".
    std::vector<std::string> Cycles() const {
        std::map<std::string, std::set<std::string>> edges;
        for (const auto &[path, includes] : files_)
            for (const std::string &target : includes.local)
                if (Unit(target) != Unit(path)) edges[Unit(path)].insert(Unit(target));
        std::vector<std::string> cycles;
        std::map<std::string, int> state;   // 1 on the path, 2 done
        std::vector<std::string> path;
        std::function<void(const std::string &)> visit = [&](const std::string &unit) {
            state[unit] = 1;
            path.push_back(unit);
            for (const std::string &next : edges[unit]) {
                if (state[next] == 1) {
                    std::string text;
                    for (auto it = std::find(path.begin(), path.end(), next); it != path.end(); ++it) text += *it + " -> ";
                    cycles.push_back(text + next);
                } else if (state[next] == 0) {
                    visit(next);
                }
            }
            path.pop_back();
            state[unit] = 2;
        };
        for (const auto &[unit, targets] : edges)
            if (state[unit] == 0) visit(unit);
        return cycles;
    }

    // The first Windows header the file reaches, with the way there; empty when none.
    std::string WindowsHeaderReached(const std::string &path) const {
        static const std::set<std::string> kWindowsHeaders = {
            "windows.h", "commctrl.h", "commdlg.h", "objbase.h", "ole2.h",    "shellapi.h",
            "shlobj.h",  "shlwapi.h",  "uxtheme.h", "wincodec.h", "winsock2.h"};
        std::set<std::string> seen;
        std::function<std::string(const std::string &)> reach = [&](const std::string &file) -> std::string {
            if (!seen.insert(file).second) return "";
            const Includes &includes = files_.at(file);
            for (const std::string &name : includes.system)
                if (kWindowsHeaders.count(name)) return file + " <" + name + ">";
            for (const std::string &next : includes.local)
                if (std::string way = reach(next); !way.empty()) return file + " -> " + way;
            return "";
        };
        return reach(path);
    }

private:
    static std::string Unit(const std::string &path) { return path.substr(0, path.rfind('.')); }

    // The file an #include "name" means: beside the includer, else the one of that name,
    // else the one nearest the includer (each plug-in has its own resource.h).
    static std::string Resolve(const std::map<std::string, std::vector<std::string>> &byName,
                               const std::string &from, const std::string &written) {
        const auto found = byName.find(fs::path(written).filename().string());
        if (found == byName.end()) return "";
        const std::string beside = (fs::path(from).parent_path() / written).lexically_normal().generic_string();
        std::string best;
        size_t bestShared = 0;
        for (const std::string &candidate : found->second) {
            if (candidate == beside) return candidate;
            const size_t shared = std::mismatch(from.begin(), from.end(), candidate.begin(), candidate.end()).first -
                                  from.begin();
            if (best.empty() || shared > bestShared) best = candidate, bestShared = shared;
        }
        return best;
    }

    std::map<std::string, Includes> files_;
};

const IncludeGraph &Tree() {
    static const IncludeGraph graph(PTR_SOURCE_DIR);
    return graph;
}

TEST(Layout, NoFileReachesItselfThroughItsIncludes) {
    ASSERT_GT(Tree().Files().size(), 100u) << "the source tree was not found at " << PTR_SOURCE_DIR;
    const std::vector<std::string> cycles = Tree().Cycles();
    EXPECT_TRUE(cycles.empty()) << cycles.size() << " cycle(s), the first: " << cycles.front();
}

TEST(Layout, PortableFoldersReachNoWindowsHeader) {
    // Folders whose files hold no Windows header: a path matching one, in no folder below it.
    const std::regex portable(R"((common|main/core|main/windows/models|hostdll/core|plugins/[a-z]+/core)/[^/]+)");
    size_t checked = 0;
    for (const auto &[path, includes] : Tree().Files()) {
        if (!std::regex_match(path, portable)) continue;
        ++checked;
        EXPECT_EQ("", Tree().WindowsHeaderReached(path)) << path;
    }
    EXPECT_GT(checked, 50u);
}

}  // namespace
