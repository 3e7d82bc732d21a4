// Shortcut files, read back through the shell's own link object.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "kxdll_loader.h"
#include "shortcut_reader.h"
#include "wine_support.h"

namespace {

using ptrtest::ReadShortcut;

bool FileExists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Shortcut : public kxtest::KxTest {
protected:
    void SetUp() override {
        KxTest::SetUp();
        CoInitialize(nullptr);
        target_ = dir_.path + "ptrmain.exe";
        ASSERT_TRUE(ptrtest::WriteFileBytes(target_, "MZ"));
    }
    void TearDown() override { CoUninitialize(); }
    ptrtest::TempDir dir_;
    std::string target_;
};

TEST_F(Shortcut, LinkHoldsEveryFieldAsGiven) {
    const std::string link = dir_.path + "ポルテリカ.lnk";
    EXPECT_EQ(1, kx.CreateShortCut(link.c_str(), target_.c_str(), dir_.path.c_str(), target_.c_str(), 2,
                                   "テキストのみ", "/Execute:1:tlxText.tlx/1/1"));
    const ptrtest::ShortcutFields f = ReadShortcut(link);
    ASSERT_TRUE(f.loaded) << link;
    EXPECT_STRCASEEQ(target_.c_str(), f.path.c_str());
    EXPECT_EQ("/Execute:1:tlxText.tlx/1/1", f.arguments);
    EXPECT_STRCASEEQ(dir_.path.c_str(), f.workingFolder.c_str());
    EXPECT_EQ("テキストのみ", f.description);
    EXPECT_STRCASEEQ(target_.c_str(), f.iconFile.c_str());
    EXPECT_EQ(2, f.iconIndex);
}

TEST_F(Shortcut, EmptyArgumentsAndDescriptionGiveAValidLink) {
    const std::string link = dir_.path + "plain.lnk";
    EXPECT_EQ(1, kx.CreateShortCut(link.c_str(), target_.c_str(), dir_.path.c_str(), target_.c_str(), 0, "", ""));
    const ptrtest::ShortcutFields f = ReadShortcut(link);
    ASSERT_TRUE(f.loaded);
    EXPECT_STRCASEEQ(target_.c_str(), f.path.c_str());
    EXPECT_EQ("", f.arguments);
    EXPECT_EQ("", f.description);
}

TEST_F(Shortcut, AnExistingFileIsReplaced) {
    const std::string link = dir_.path + "again.lnk";
    ASSERT_TRUE(ptrtest::WriteFileBytes(link, "not a link at all"));
    EXPECT_EQ(1, kx.CreateShortCut(link.c_str(), target_.c_str(), "", target_.c_str(), 0, "one", "/first"));
    EXPECT_EQ(1, kx.CreateShortCut(link.c_str(), target_.c_str(), "", target_.c_str(), 0, "two", "/second"));
    const ptrtest::ShortcutFields f = ReadShortcut(link);
    ASSERT_TRUE(f.loaded);
    EXPECT_EQ("/second", f.arguments);
    EXPECT_EQ("two", f.description);
}

TEST_F(Shortcut, PathsThatCannotBeWrittenGiveZeroAndNoFile) {
    const std::string missingFolder = dir_.path + "no such folder\\x.lnk";
    EXPECT_EQ(0, kx.CreateShortCut(missingFolder.c_str(), target_.c_str(), "", "", 0, "", ""));
    EXPECT_FALSE(FileExists(missingFolder));
    EXPECT_FALSE(FileExists(dir_.path + "no such folder"));

    const std::string tooLong = dir_.path + std::string(300, 'n') + ".lnk";
    EXPECT_EQ(0, kx.CreateShortCut(tooLong.c_str(), target_.c_str(), "", "", 0, "", ""));
    EXPECT_EQ(0, kx.CreateShortCut("", target_.c_str(), "", "", 0, "", ""));
}

}  // namespace
