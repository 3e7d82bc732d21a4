#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history_choice.h"
#include "history_picker_source.h"
#include "row_text.h"
#include "search_fold.h"

namespace {

using tlxhistory::EntryKind;
using tlxhistory::HistoryChoice;
using tlxhistory::HistoryEntry;
using Action = HistoryChoice::Action;

HistoryEntry Text(const std::u16string &text) {
    return tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(text));
}
HistoryEntry Formatted(const std::u16string &text) {
    return tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(text),
                                 {{std::string(tlxhistory::kHtmlForm), "<b>x</b>"}});
}
HistoryEntry Files(const std::vector<std::u16string> &names) {
    return tlxhistory::MakeEntry(EntryKind::kFiles, tlxhistory::FileListData(names));
}
HistoryEntry Image() {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x02\0\0\0\x01", 24);
    return tlxhistory::MakeEntry(EntryKind::kImage, png);
}

// What a paste puts on the clipboard, told as its kind and text.
std::string Pasted(const HistoryChoice &choice) {
    const std::optional<HistoryEntry> entry = tlxhistory::EntryToPaste(choice);
    if (!entry) return "nothing";
    if (entry->kind == EntryKind::kImage) return "image";
    const std::u16string text = entry->kind == EntryKind::kText ? tlxhistory::Utf16FromBytes(entry->data)
                                                                : u"files:" + *tlxhistory::EntryText(*entry);
    std::string shown;
    for (char16_t unit : text) shown += unit == u'\r' ? '|' : unit == u'\n' ? '/' : static_cast<char>(unit);
    if (!entry->forms.empty()) shown += " +forms";
    return shown;
}

TEST(HistoryChoice, WhatEachChoiceGivesToPaste) {
    struct Case {
        const char *name;
        HistoryChoice choice;
        std::string pasted;
    };
    const Case cases[] = {
        {"one text", {Action::kPaste, {Text(u"one")}}, "one"},
        {"its text alone", {Action::kPasteTextOnly, {Text(u"one")}}, "one"},
        {"formatted, with its forms", {Action::kPaste, {Formatted(u"f")}}, "f +forms"},
        {"formatted, its text alone", {Action::kPasteTextOnly, {Formatted(u"f")}}, "f"},
        {"formatted ones joined are text alone", {Action::kPaste, {Formatted(u"f"), Formatted(u"g")}}, "f|/g"},
        {"a file list as it is", {Action::kPaste, {Files({u"C:\\a", u"C:\\b"})}}, "files:C:\\a|/C:\\b"},
        {"a file list as text", {Action::kPasteTextOnly, {Files({u"C:\\a", u"C:\\b"})}}, "C:\\a|/C:\\b"},
        {"an image as text stays an image", {Action::kPasteTextOnly, {Image()}}, "image"},
        {"several joined in their order", {Action::kPaste, {Text(u"two"), Text(u"one"), Files({u"C:\\f"})}},
         "two|/one|/C:\\f"},
        {"several as text", {Action::kPasteTextOnly, {Text(u"a"), Text(u"b")}}, "a|/b"},
        {"images left out of several", {Action::kPaste, {Image(), Text(u"x"), Image()}}, "x"},
        {"several images give nothing", {Action::kPaste, {Image(), Image()}}, "nothing"},
        {"no entry", {Action::kPaste, {}}, "nothing"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.pasted, Pasted(c.choice));
    }
}

TEST(HistoryChoice, QueuedItemsAreTheTextsInTheirOrder) {
    EXPECT_EQ((std::vector<std::u16string>{u"b", u"a", u"C:\\x\r\nC:\\y"}),
              tlxhistory::QueueItems({Text(u"b"), Image(), Text(u"a"), Files({u"C:\\x", u"C:\\y"})}));
}

TEST(HistoryPickerSource, DeletesAndPinsInTheHistoryAndSaysSo) {
    tlxhistory::History history;
    for (const char16_t *text : {u"old", u"ＭＩＤ", u"new"}) history.Add(Text(text));
    int changes = 0;
    tlxhistory::HistoryPickerSource source(history, [&] { ++changes; });
    ASSERT_EQ(3u, source.Count());
    EXPECT_TRUE(source.Finds(1, tlx::FoldForSearch(u"mid")));
    EXPECT_FALSE(source.Finds(0, tlx::FoldForSearch(u"mid")));
    EXPECT_EQ(0u, source.TogglePin(2));   // "old", pinned, goes first
    EXPECT_TRUE(source.Pinned(0));
    EXPECT_EQ(u"old", source.RowText(0));
    source.Remove(1);
    EXPECT_EQ(2u, source.Count());
    EXPECT_EQ(2, changes);
    source.Remove(5);   // nothing there: nothing said
    EXPECT_EQ(2, changes);
}

TEST(HistoryPickerSource, ThePreviewMarksAFormattedEntry) {
    tlxhistory::History history;
    history.Add(Formatted(u"bold"));
    const tlxhistory::HistoryPickerSource source(history, [] {});
    EXPECT_EQ(u"［書式付き］\r\nbold", source.PreviewText(0));
}

}  // namespace
