#include "sync_copier.h"

#include <windows.h>

#include <set>

#include "wine_support.h"

namespace snippettest {

namespace {

// The whole file; nothing while it cannot be read (its writer replacing it this moment).
std::optional<std::string> ReadSettled(const std::string &path) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return ptrtest::ReadFileBytes(path);
        }
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::nullopt;
        Sleep(20);
    }
    return std::nullopt;
}

}  // namespace

SyncCopier::SyncCopier(std::string first, std::string second, std::string secondComputer)
    : first_(std::move(first)), second_(std::move(second)), secondComputer_(std::move(secondComputer)) {}

std::map<std::string, std::string> SyncCopier::Files(const std::string &folder) const {
    std::map<std::string, std::string> files;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        const std::string name = found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY || name.front() == '~') continue;
        if (const std::optional<std::string> content = ReadSettled(folder + name)) files.emplace(name, *content);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

void SyncCopier::Put(const std::string &folder, const std::string &name, const std::optional<std::string> &content) {
    const std::string path = folder + name;
    if (!content) {
        DeleteFileA(path.c_str());
        return;
    }
    const std::string partial = folder + "~" + name + ".sync";
    ptrtest::WriteFileBytes(partial, *content);
    for (int attempt = 0; attempt < 50 && !MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING); ++attempt)
        Sleep(20);   // the program reading it this moment
}

void SyncCopier::Sync() {
    const std::map<std::string, std::string> first = Files(first_), second = Files(second_);
    std::set<std::string> names;
    const std::map<std::string, std::string> *sides[] = {&first, &second, &last_};
    for (const auto *side : sides)
        for (const auto &[name, content] : *side) names.insert(name);
    for (const std::string &name : names) {
        const auto at = [&](const std::map<std::string, std::string> &files) {
            const auto found = files.find(name);
            return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
        };
        const std::optional<std::string> a = at(first), b = at(second), last = at(last_);
        if (a == b) {
            if (a) last_[name] = *a;
            else last_.erase(name);
            continue;
        }
        const bool changedA = a != last, changedB = b != last;
        std::optional<std::string> kept = changedA ? a : b;
        if (changedA && changedB && a && b) {
            // Both changed it: the second side's becomes a copy beside it.
            const size_t dot = name.find_last_of('.');
            const std::string copy = name.substr(0, dot) + "-" + secondComputer_ + name.substr(dot);
            Put(first_, copy, b);
            Put(second_, copy, b);
            last_[copy] = *b;
            ++conflicts_;
        } else if (changedA && changedB) {
            kept = a ? a : b;   // changed on one side, deleted on the other: the change stays
        }
        Put(first_, name, kept);
        Put(second_, name, kept);
        if (kept) last_[name] = *kept;
        else last_.erase(name);
    }
}

}  // namespace snippettest
