#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history.h"
#include "history_settings.h"
#include "memory_profile.h"

namespace {

using tlxhistory::AddResult;
using tlxhistory::EntryKind;
using tlxhistory::History;
using tlxhistory::HistoryLimits;

tlxhistory::HistoryEntry Text(const std::u16string &text) {
    return tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(text));
}

// The texts in order, pinned ones marked with a leading "*".
std::vector<std::u16string> Shown(const History &history) {
    std::vector<std::u16string> shown;
    for (const auto &e : history.Entries())
        shown.push_back((e.pinned ? u"*" : u"") + tlxhistory::Utf16FromBytes(e.data));
    return shown;
}

// A step on the history: add a text, pin/unpin a position, remove one, clear.
struct Step {
    char op;   // 'a' add, 'p' toggle pin, 'r' remove, 'c' clear unpinned
    std::u16string text;
    size_t index;
};

struct ModelCase {
    const char *name;
    HistoryLimits limits;
    std::vector<Step> steps;
    std::vector<std::u16string> expected;
};

TEST(HistoryModel, OrderRepeatsLimitsAndPins) {
    const HistoryLimits roomy{100, 1000};
    const ModelCase cases[] = {
        {"newest first", roomy, {{'a', u"a", 0}, {'a', u"b", 0}, {'a', u"c", 0}}, {u"c", u"b", u"a"}},
        {"repeat moves to top", roomy, {{'a', u"a", 0}, {'a', u"b", 0}, {'a', u"a", 0}}, {u"a", u"b"}},
        {"count limit drops oldest", {2, 1000}, {{'a', u"a", 0}, {'a', u"b", 0}, {'a', u"c", 0}}, {u"c", u"b"}},
        {"count limit spares pinned", {2, 1000},
         {{'a', u"a", 0}, {'p', u"", 0}, {'a', u"b", 0}, {'a', u"c", 0}, {'a', u"d", 0}},
         {u"*a", u"d"}},
        {"pinned stay above newer", roomy, {{'a', u"a", 0}, {'p', u"", 0}, {'a', u"b", 0}}, {u"*a", u"b"}},
        {"repeat of pinned keeps pin", roomy,
         {{'a', u"a", 0}, {'a', u"b", 0}, {'p', u"", 1}, {'a', u"c", 0}, {'a', u"a", 0}},
         {u"*a", u"c", u"b"}},
        {"unpin goes to top of others", roomy,
         {{'a', u"a", 0}, {'p', u"", 0}, {'a', u"b", 0}, {'a', u"c", 0}, {'p', u"", 0}},
         {u"a", u"c", u"b"}},
        {"over size not recorded", {100, 4}, {{'a', u"ab", 0}, {'a', u"abc", 0}}, {u"ab"}},
        {"remove", roomy, {{'a', u"a", 0}, {'a', u"b", 0}, {'r', u"", 0}}, {u"a"}},
        {"remove out of range", roomy, {{'a', u"a", 0}, {'r', u"", 5}}, {u"a"}},
        {"clear keeps pinned", roomy,
         {{'a', u"a", 0}, {'p', u"", 0}, {'a', u"b", 0}, {'a', u"c", 0}, {'c', u"", 0}},
         {u"*a"}},
        {"unpin beyond limit keeps entry", {1, 1000},
         {{'a', u"a", 0}, {'p', u"", 0}, {'a', u"b", 0}, {'p', u"", 0}},
         {u"a", u"b"}},
    };
    for (const ModelCase &c : cases) {
        SCOPED_TRACE(c.name);
        History history(c.limits);
        for (const Step &step : c.steps) {
            switch (step.op) {
            case 'a': history.Add(Text(step.text)); break;
            case 'p': history.TogglePin(step.index); break;
            case 'r': history.Remove(step.index); break;
            case 'c': history.ClearUnpinned(); break;
            }
        }
        EXPECT_EQ(c.expected, Shown(history));
    }
}

TEST(HistoryModel, AddTellsWhatHappened) {
    History history({10, 4});
    EXPECT_EQ(AddResult::kAdded, history.Add(Text(u"ab")));
    EXPECT_EQ(AddResult::kMovedToTop, history.Add(Text(u"ab")));
    EXPECT_EQ(AddResult::kTooLarge, history.Add(Text(u"abc")));
    // Same bytes as another kind are other content.
    EXPECT_EQ(AddResult::kAdded, history.Add(tlxhistory::MakeEntry(EntryKind::kFiles, tlxhistory::BytesFromUtf16(u"ab"))));
}

TEST(HistoryModel, SmallerCountLimitTrimsAtOnce) {
    History history({10, 1000});
    for (char16_t c = u'a'; c <= u'e'; ++c) history.Add(Text(std::u16string(1, c)));
    history.TogglePin(4);   // "a"
    history.SetLimits({2, 1000});
    EXPECT_EQ((std::vector<std::u16string>{u"*a", u"e"}), Shown(history));
}

TEST(HistoryModel, RestoreKeepsOrderAndPinsAndSkipsInvalid) {
    std::vector<tlxhistory::HistoryEntry> saved = {Text(u"x"), Text(u"p"), Text(u"y"), Text(u"x")};
    saved[1].pinned = true;
    saved.push_back(tlxhistory::MakeEntry(EntryKind::kImage, "not a png"));
    History history({3, 1000});
    history.Restore(saved);
    EXPECT_EQ((std::vector<std::u16string>{u"*p", u"x", u"y"}), Shown(history));
}

// Entries copied on the days given (days before "now"), as the history stamps them.
TEST(HistoryModel, TheRetentionRemovesUnpinnedEntriesCopiedLongerAgo) {
    constexpr int64_t kDay = 24 * 60 * 60;
    const int64_t now = 1767225600;
    int64_t clock = 0;
    const auto filled = [&] {
        History history({100, 1000}, [&clock] { return clock; });
        const struct {
            const char16_t *text;
            int64_t daysAgo;
        } copies[] = {{u"old", 30}, {u"pinned", 30}, {u"week", 7}, {u"again", 20}, {u"six", 6}, {u"again", 2}};
        for (const auto &copy : copies) {
            clock = now - copy.daysAgo * kDay - 1;   // a second earlier than whole days
            history.Add(Text(copy.text));
        }
        history.TogglePin(3);   // "pinned"
        // One of an earlier version's file, whose time is not known.
        history.Restore({Text(u"undated")});
        clock = now;
        return history;
    };
    const struct {
        int days;
        std::vector<std::u16string> kept;
        size_t removed;
    } cases[] = {
        {0, {u"*pinned", u"again", u"six", u"week", u"old", u"undated"}, 0},   // no limit
        {7, {u"*pinned", u"again", u"six", u"undated"}, 2},   // "week" a second over seven days
        {31, {u"*pinned", u"again", u"six", u"week", u"old", u"undated"}, 0},
        {1, {u"*pinned", u"undated"}, 4},   // copied again two days ago: its new time counts
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.days);
        History history = filled();
        EXPECT_EQ(c.removed, history.RemoveOlderThan(c.days));
        EXPECT_EQ(c.kept, Shown(history));
    }
}

tlxhistory::HistoryEntry Formatted(const std::u16string &text, std::vector<tlxhistory::EntryForm> forms) {
    return tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(text), std::move(forms));
}

// The forms an entry kept, by name, joined with "+"; "-" for none.
std::string FormNames(const tlxhistory::HistoryEntry &entry) {
    std::string names;
    for (const auto &form : entry.forms) names += (names.empty() ? "" : "+") + form.name;
    return names.empty() ? "-" : names;
}

TEST(HistoryModel, FormsAreKeptWithinTheSizeLimit) {
    const tlxhistory::EntryForm html{"HTML Format", std::string(10, 'h')};
    const tlxhistory::EntryForm rtf{"Rich Text Format", std::string(10, 'r')};
    struct Case {
        const char *name;
        size_t maxBytes;
        std::vector<tlxhistory::EntryForm> forms;
        AddResult result;
        const char *kept;
    };
    // The text "abcd" is 8 bytes.
    const Case cases[] = {
        {"both within the limit", 28, {html, rtf}, AddResult::kAdded, "HTML Format+Rich Text Format"},
        {"forms over the limit: the text alone", 27, {html, rtf}, AddResult::kAdded, "-"},
        {"the text alone at the limit", 8, {html}, AddResult::kAdded, "-"},
        {"the text over the limit", 7, {html}, AddResult::kTooLarge, ""},
        {"an unknown form dropped", 100, {{"Bitmap", "BM"}}, AddResult::kAdded, "-"},
        {"a form without bytes dropped", 100, {{"HTML Format", ""}}, AddResult::kAdded, "-"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        History history({10, c.maxBytes});
        EXPECT_EQ(c.result, history.Add(Formatted(u"abcd", c.forms)));
        if (c.result == AddResult::kTooLarge) {
            EXPECT_TRUE(history.Entries().empty());
            continue;
        }
        ASSERT_EQ(1u, history.Entries().size());
        const auto &entry = history.Entries().front();
        EXPECT_EQ(c.kept, FormNames(entry));
        EXPECT_EQ(tlxhistory::ContentKey(entry.kind, entry.data, entry.forms), entry.key);
        // Read back from a file, the same rule applies.
        History restored({10, c.maxBytes});
        restored.Restore({Formatted(u"abcd", c.forms)});
        ASSERT_EQ(1u, restored.Entries().size());
        EXPECT_EQ(c.kept, FormNames(restored.Entries().front()));
    }
}

TEST(HistoryModel, TheFormsArePartOfTheContent) {
    const tlxhistory::EntryForm html{"HTML Format", "<b>a</b>"};
    const tlxhistory::EntryForm otherHtml{"HTML Format", "<i>a</i>"};
    struct Case {
        const char *name;
        std::vector<tlxhistory::EntryForm> first, second;
        AddResult secondResult;
    };
    const Case cases[] = {
        {"same text, same form", {html}, {html}, AddResult::kMovedToTop},
        {"same text, plain then formatted", {}, {html}, AddResult::kAdded},
        {"same text, formatted then plain", {html}, {}, AddResult::kAdded},
        {"same text, other formatting", {html}, {otherHtml}, AddResult::kAdded},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        History history;
        history.Add(Formatted(u"a", c.first));
        EXPECT_EQ(c.secondResult, history.Add(Formatted(u"a", c.second)));
        EXPECT_EQ(c.second, history.Entries().front().forms);
    }
}

TEST(HistoryModel, AFormsBytesDoNotPassForTheNextForm) {
    // Two forms, and one form whose bytes hold the second's name and bytes, are other content.
    const auto two = tlxhistory::ContentKey(EntryKind::kText, "x", {{"HTML Format", "a"}, {"Rich Text Format", "b"}});
    const auto one = tlxhistory::ContentKey(EntryKind::kText, "x", {{"HTML Format", std::string("aRich Text Format\0b", 19)}});
    EXPECT_NE(two, one);
}

// The settings read from a [Main] section (keys ended by NULs).
tlxhistory::HistorySettings Loaded(const std::string &section) {
    ptrtest::MemoryProfile store;
    store.SetSection("Main", section);
    tlxhistory::HistorySettings settings;
    settings.Load(store);
    return settings;
}

TEST(HistorySettings, ValuesOutsideTheirRangeAreClamped) {
    using namespace std::string_literals;
    struct Case {
        std::string section;
        int count, sizeKB;
        bool keep, paste;
        std::string skipped;
    };
    const Case cases[] = {
        {""s, 200, 4096, true, true, ""},
        {"MaxCount=0\0MaxSizeKB=-5\0KeepAfterExit=0\0PasteChosen=0\0"s, 1, 1, false, false, ""},
        {"MaxCount=99999\0MaxSizeKB=5000000\0"s, 10000, 1024 * 1024, true, true, ""},
        {"MaxCount=50\0MaxSizeKB=64\0SkippedPrograms=\" keepass.exe; *pass*.exe\"\0"s, 50, 64, true, true,
         " keepass.exe; *pass*.exe"},
        {"SkippedPrograms="s + std::string(1030, 'a') + '\0', 200, 4096, true, true, std::string(1023, 'a')},
        {"SkippedPrograms="s + std::string(1022, 'a') + "\x83\x41" + '\0', 200, 4096, true, true,
         std::string(1022, 'a')},   // not inside a character
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.section);
        const tlxhistory::HistorySettings settings = Loaded(c.section);
        EXPECT_EQ(c.count, settings.maxCount);
        EXPECT_EQ(c.sizeKB, settings.maxSizeKB);
        EXPECT_EQ(c.keep, settings.keepAfterExit);
        EXPECT_EQ(c.paste, settings.pasteChosen);
        EXPECT_EQ(c.skipped, settings.skippedPrograms);
    }
}

TEST(HistorySettings, SavedAsPlainNumbersWithinTheirRanges) {
    tlxhistory::HistorySettings settings;
    settings.maxCount = 20000;
    settings.maxSizeKB = 64;
    settings.keepAfterExit = false;
    settings.skippedPrograms = " excel.exe;メモ帳.exe ";
    settings.retentionDays = 5000;
    settings.clearOnLock = true;
    settings.place = tlxhistory::HistoryPlace::kLocalAppData;
    ptrtest::MemoryProfile store;
    settings.Save(store);
    const struct {
        const char *key;
        const char *stored;
    } rows[] = {{"MaxCount", "10000"}, {"MaxSizeKB", "64"}, {"KeepAfterExit", "0"}, {"PasteChosen", "1"},
                {"SkippedPrograms", "\" excel.exe;メモ帳.exe \""}, {"RetentionDays", "3650"}, {"ClearOnLock", "1"},
                {"HistoryFolder", "%LOCALAPPDATA%\\Porterica\\"}};
    for (const auto &row : rows) EXPECT_EQ(row.stored, store.Stored("Main", row.key).value_or("(missing)")) << row.key;
    tlxhistory::HistorySettings back;
    back.Load(store);
    EXPECT_EQ(10000, back.maxCount);
    EXPECT_FALSE(back.keepAfterExit);
    EXPECT_TRUE(back.pasteChosen);
    EXPECT_EQ(" excel.exe;メモ帳.exe ", back.skippedPrograms);
    EXPECT_EQ(3650, back.retentionDays);
    EXPECT_TRUE(back.clearOnLock);
    EXPECT_EQ(tlxhistory::HistoryPlace::kLocalAppData, back.place);
}

TEST(HistorySettings, TheHistorysFolderIsBesideTheProgramUnlessTheLocalOneIsNamed) {
    using namespace std::string_literals;
    using tlxhistory::HistoryPlace;
    const struct {
        std::string section;
        HistoryPlace place;
    } cases[] = {
        {""s, HistoryPlace::kBesideProgram},
        {"HistoryFolder=\0"s, HistoryPlace::kBesideProgram},
        {"HistoryFolder=%LOCALAPPDATA%\\Porterica\\\0"s, HistoryPlace::kLocalAppData},
        {"HistoryFolder=%localappdata%\\porterica\0"s, HistoryPlace::kLocalAppData},   // as typed by hand
        {"HistoryFolder=%LOCALAPPDATA%\\Porterica2\\\0"s, HistoryPlace::kBesideProgram},
        {"HistoryFolder=D:\\History\\\0"s, HistoryPlace::kBesideProgram},   // no other folder is offered
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.section);
        EXPECT_EQ(c.place, Loaded(c.section).place);
    }
}

TEST(HistorySettings, RetentionAndTheLockAreOffUntilSetAndTheSyncNoticeIsRemembered) {
    using namespace std::string_literals;
    const tlxhistory::HistorySettings settings = Loaded("RetentionDays=-3\0"s);
    EXPECT_EQ(0, settings.retentionDays);
    EXPECT_FALSE(settings.clearOnLock);
    ptrtest::MemoryProfile store;
    EXPECT_FALSE(tlxhistory::SyncedFolderTold(store));
    tlxhistory::RememberSyncedFolderTold(store);
    EXPECT_TRUE(tlxhistory::SyncedFolderTold(store));
}

}  // namespace
