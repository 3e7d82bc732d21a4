// The folders sync clients upload, read from their records, and whether a folder lies inside one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "synced_folders.h"

namespace {

using tlxhistory::SyncedFolder;

// The records are UTF-8 ("会社" is written as its bytes: narrow literals here are code page 932).
TEST(SyncedFolders, StringMembersOfAJsonRecord) {
    const struct {
        const char *name;
        std::string json;
        const char *member;
        std::vector<std::u16string> values;
    } cases[] = {
        {"both accounts of a client",
         R"j({"personal": {"path": "C:\\Users\\aki\\Dropbox", "host": 5, "is_team": false},
             "business": {"path": "C:\\Users\\aki\\Dropbox ()j" "\xe4\xbc\x9a\xe7\xa4\xbe" R"j()", "host": 6}})j",
         "path", {u"C:\\Users\\aki\\Dropbox", u"C:\\Users\\aki\\Dropbox (会社)"}},
        {"escapes", R"j({"path":"D:\/x\u00e4\ud83d\ude00\"q\"\tz"})j", "path", {u"D:/xä😀\"q\"\tz"}},
        {"a name that is a value is no member", R"j({"note": "path", "path": "E:\\a"})j", "path", {u"E:\\a"}},
        {"a member whose value is no string", R"j({"path": 5, "x": {"path": null}})j", "path", {}},
        {"other members", R"j([{"mount_point_path": "G"}, {"mount_point_path": "H:\\Drive"}])j", "mount_point_path",
         {u"G", u"H:\\Drive"}},
        {"cut short", R"j({"path": "C:\\Users)j", "path", {}},
        {"no JSON", "not a record", "path", {}},
        {"a bad escape", R"j({"path": "\uZZ12"})j", "path", {u"\uFFFDZZ12"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.values, tlxhistory::JsonStringMembers(c.json, c.member));
    }
}

TEST(SyncedFolders, ADriveLetterStandsForTheDrivesRoot) {
    EXPECT_EQ(u"G:\\", tlxhistory::FolderOfMountPoint(u"G"));
    EXPECT_EQ(u"g:\\", tlxhistory::FolderOfMountPoint(u"g:"));
    EXPECT_EQ(u"G:\\Drive", tlxhistory::FolderOfMountPoint(u"G:\\Drive"));
    EXPECT_EQ(u"", tlxhistory::FolderOfMountPoint(u""));
}

TEST(SyncedFolders, TheOverridesListNamesClientAndFolder) {
    const std::vector<SyncedFolder> folders =
        tlxhistory::ParseSyncedFolderList(u"Dropbox=C:\\Dropbox; OneDrive = D:\\One Drive ;;no equals;=C:\\x;Empty=");
    ASSERT_EQ(2u, folders.size());
    EXPECT_EQ(u"Dropbox", folders[0].client);
    EXPECT_EQ(u"C:\\Dropbox", folders[0].folder);
    EXPECT_EQ(u"OneDrive", folders[1].client);
    EXPECT_EQ(u"D:\\One Drive", folders[1].folder);
}

TEST(SyncedFolders, AFolderInsideOneIsFound) {
    const std::vector<SyncedFolder> folders = {{u"Dropbox", u"C:\\Users\\aki\\Dropbox\\"},
                                               {u"Google Drive", u"G:\\"},
                                               {u"OneDrive", u"c:/users/aki/OneDrive"}};
    const struct {
        const char16_t *path;
        const char16_t *client;   // null: in none
    } cases[] = {
        {u"C:\\Users\\aki\\Dropbox\\Tools\\Porterica\\Plugins\\tlxHistory\\", u"Dropbox"},
        {u"C:\\Users\\aki\\Dropbox", u"Dropbox"},
        {u"c:\\USERS\\AKI\\dropbox\\x", u"Dropbox"},
        {u"\\\\?\\C:\\Users\\aki\\Dropbox\\x", u"Dropbox"},
        {u"C:\\Users\\aki\\Dropbox2\\x", nullptr},   // a neighbour whose name begins the same
        {u"C:\\Users\\aki\\Drop", nullptr},
        {u"G:\\マイドライブ\\Porterica\\", u"Google Drive"},
        {u"C:\\Users\\aki\\OneDrive\\ツール", u"OneDrive"},
        {u"D:\\Porterica\\", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.path, c.path + std::char_traits<char16_t>::length(c.path)).size());
        const SyncedFolder *found = tlxhistory::FolderHolding(folders, c.path);
        if (!c.client) {
            EXPECT_EQ(nullptr, found);
            continue;
        }
        ASSERT_NE(nullptr, found);
        EXPECT_EQ(c.client, found->client);
    }
    EXPECT_EQ(nullptr, tlxhistory::FolderHolding({{u"Empty", u""}}, u"C:\\x")) << "a folder recorded empty holds nothing";
}

}  // namespace
