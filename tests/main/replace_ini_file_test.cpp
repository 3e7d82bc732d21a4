// Whole INI files replaced in one step: a write that cannot finish leaves the old file.
#include <gtest/gtest.h>

#include "replace_ini_file.h"
#include "vbIniFile.h"
#include "wine_support.h"

using namespace ptr;

namespace {

const char kOld[] = "[Main]\r\nMenuName=Old\r\nKept=1\r\n";

void WriteNew(IniStore &file) {
    file.SetText("Main", "MenuName", "New");
    file.SetNumber("Menu", "001FuncType", 3);
}

// The names in a folder, without "." and "..".
std::vector<std::string> FolderNames(const std::string &folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

}  // namespace

TEST(ReplaceIniFile, TheNewContentReplacesTheWholeOldFile) {
    ptrtest::TempDir dir;
    const std::string path = dir.path + "tools.mnu";
    ASSERT_TRUE(ptrtest::WriteFileBytes(path, kOld));
    ASSERT_TRUE(ReplaceIniFile(path, WriteNew));
    const vbIniFile file(path);
    EXPECT_EQ("New", file.GetText("Main", "MenuName", ""));
    EXPECT_EQ(3, file.GetNumber("Menu", "001FuncType", 0));
    EXPECT_EQ("gone", file.GetText("Main", "Kept", "gone"));
    EXPECT_EQ(std::vector<std::string>{"tools.mnu"}, FolderNames(dir.path));

    const std::string fresh = dir.path + "fresh.mnu";
    ASSERT_TRUE(ReplaceIniFile(fresh, WriteNew));
    EXPECT_EQ("New", vbIniFile(fresh).GetText("Main", "MenuName", ""));
}

TEST(ReplaceIniFile, AWriteThatCannotFinishKeepsTheOldFile) {
    ptrtest::TempDir dir;
    const std::string path = dir.path + "tools.mnu";
    ASSERT_TRUE(ptrtest::WriteFileBytes(path, kOld));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ReplaceIniFile(path, WriteNew)) << "a read-only file";
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(kOld, ptrtest::ReadFileBytes(path));
    EXPECT_EQ(std::vector<std::string>{"tools.mnu"}, FolderNames(dir.path)) << "nothing is left beside it";

    // Another program holds the file open without sharing: it cannot be replaced.
    const HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_FALSE(ReplaceIniFile(path, WriteNew)) << "a file held open";
    CloseHandle(lock);
    EXPECT_EQ(kOld, ptrtest::ReadFileBytes(path));
    EXPECT_EQ(std::vector<std::string>{"tools.mnu"}, FolderNames(dir.path));

    EXPECT_FALSE(ReplaceIniFile(dir.path + "missing\\tools.mnu", WriteNew)) << "a folder that does not exist";
}
