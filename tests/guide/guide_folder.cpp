#include "guide_folder.h"

#include <windows.h>

#include "wine_support.h"

namespace guide {

namespace {

// "Z:\dir\file" as the Linux side names it.
std::string UnixPath(const std::string &path) {
    std::string unix = path.rfind("Z:", 0) == 0 ? path.substr(2) : path;
    for (char &c : unix)
        if (c == '\\') c = '/';
    return unix;
}

}  // namespace

std::string PictureFolder() {
    const std::string folder = ptrtest::DistDir() + "guide\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::vector<std::string> PicturesInFolder() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((PictureFolder() + "*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string file = found.cFileName;
        names.push_back(file.substr(0, file.size() - 4));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string GuideText() { return ptrtest::ReadFileBytes(std::string("Z:") + PTR_SOURCE_DIR + "/dist/Readme.html"); }

bool Shrink(const std::string &raw, const std::string &small) {
    // A Linux program started from Wine gives no process to wait for: the script moves
    // the finished file into place, and its arrival is the end.
    std::string command = "/bin/sh \"" PTR_SOURCE_DIR "/tests/guide/shrink_picture.sh\" \"" + UnixPath(raw) +
                          "\" \"" + UnixPath(small) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    return ptrtest::PumpUntil([&] { return GetFileAttributesA(small.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
}

}  // namespace guide
