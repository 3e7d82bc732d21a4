// A file written on the saver's own thread (the history's here): the newest snapshot lands, a
// write the file refuses is tried again, and nothing lands after a cancel.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "history_file.h"
#include "file_saver.h"
#include "wine_support.h"

namespace {

using tlxhistory::HistoryEntry;

// A history of one entry of this text, as the saver's job makes its bytes.
std::function<std::string()> Snapshot(const std::u16string &text) {
    return [text] {
        return tlxhistory::SerializeHistory({tlxhistory::MakeEntry(tlxhistory::EntryKind::kText, tlxhistory::BytesFromUtf16(text))});
    };
}

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The text of the file's one entry; "(none)" when the file is missing or no history.
std::u16string SavedText(const std::string &path) {
    if (!Exists(path)) return u"(none)";
    const auto entries = tlxhistory::ParseHistory(ptrtest::ReadFileBytes(path));
    if (!entries || entries->size() != 1) return u"(no history)";
    const std::string &bytes = entries->front().data;
    return std::u16string(reinterpret_cast<const char16_t *>(bytes.data()), bytes.size() / 2);
}

// The file held open as another program may hold it for a moment: no replacing it.
struct HeldOpen {
    HANDLE file;
    explicit HeldOpen(const std::string &path)
        : file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldOpen() { Release(); }
    void Release() {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
    }
};

struct Saver : testing::Test {
    ptrtest::TempDir dir;
    std::string path = dir.path + "tlxHistory\\History.dat";   // its folder made by the saver
    tlx::FileSaver saver{"履歴"};
    void TearDown() override { saver.Stop(); }
};

TEST_F(Saver, TheNewestSnapshotLandsAndStopWritesWhatIsPending) {
    for (int i = 0; i < 50; ++i) saver.Save(path, Snapshot(u"copy " + std::u16string(1, u'0' + i % 10)));
    saver.Save(path, Snapshot(u"最後のコピー"));
    saver.Stop();
    EXPECT_EQ(SavedText(path), u"最後のコピー");
    EXPECT_FALSE(Exists(path + ".new")) << "no partial file left";

    saver.Save(path, Snapshot(u"after a stop"));   // the thread starts again
    saver.Stop();
    EXPECT_EQ(SavedText(path), u"after a stop");
}

// As when the history could not be sealed: nothing is written rather than its bytes in the clear.
TEST_F(Saver, ASnapshotWhoseBytesCannotBeMadeLeavesTheFileAsItIs) {
    saver.Save(path, Snapshot(u"first"));
    saver.Stop();
    saver.Save(path, [] { return std::optional<std::string>(); });
    saver.Stop();
    EXPECT_EQ(SavedText(path), u"first");
    EXPECT_FALSE(Exists(path + ".new"));
    saver.Save(path, Snapshot(u"second"));
    saver.Stop();
    EXPECT_EQ(SavedText(path), u"second") << "the next snapshot lands";
}

TEST_F(Saver, AWriteTheFileRefusesIsTriedAgain) {
    saver.Save(path, Snapshot(u"first"));
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return SavedText(path) == u"first"; }, 5000));
    HeldOpen held(path);
    ASSERT_NE(held.file, INVALID_HANDLE_VALUE);
    saver.Save(path, Snapshot(u"second"));
    ptrtest::PumpFor(300);
    held.Release();
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return SavedText(path) == u"second"; }, 5000)) << "still the old file";
}

TEST_F(Saver, NothingLandsAfterACancelEvenAWriteWaitingToBeTriedAgain) {
    saver.Save(path, Snapshot(u"first"));
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return SavedText(path) == u"first"; }, 5000));
    {
        HeldOpen held(path);
        saver.Save(path, Snapshot(u"refused, then cancelled"));
        ptrtest::PumpFor(300);
        saver.Cancel();
    }
    // As turning "keep after exit" off does: cancel, then remove the file.
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    ptrtest::PumpFor(2500);   // longer than the wait before a retry
    EXPECT_FALSE(Exists(path)) << "written after the cancel: " << std::string(SavedText(path).size(), '?');
}

}  // namespace
