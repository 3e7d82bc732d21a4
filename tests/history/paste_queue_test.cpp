// The queue of 連続貼り付け: which item each paste takes, in both orders, with copies
// split into lines, repeated copies, items from the history window and the queue's end;
// its settings as the file holds them; what its small window says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history_settings.h"
#include "memory_profile.h"
#include "paste_queue.h"
#include "queue_caption.h"

namespace {

using tlxhistory::KeyAfterPaste;
using tlxhistory::PasteQueue;
using tlxhistory::QueueOrder;

// A step on the queue: a copy joins ('c', split into lines when the case says so),
// items from the history window join ('i', separated by '|'), a paste takes the head
// ('p'; 'P' in the other order, as after a change in the settings).
struct Step {
    char op;
    std::u16string text;
};

struct QueueCase {
    const char *name;
    QueueOrder order;
    bool linePerItem;
    std::vector<Step> steps;
    std::vector<std::u16string> pasted;   // what the pastes took, "-" for a paste of nothing
    size_t left;
};

std::vector<std::u16string> Split(const std::u16string &items) {
    std::vector<std::u16string> parts(1);
    for (const char16_t unit : items) {
        if (unit == u'|') parts.emplace_back();
        else parts.back() += unit;
    }
    return parts;
}

const Step P{'p', u""};
const Step Q{'P', u""};

QueueOrder Other(QueueOrder order) {
    return order == QueueOrder::kCopied ? QueueOrder::kReversed : QueueOrder::kCopied;
}

TEST(PasteQueue, PastesTakeTheItemsInTheChosenOrder) {
    const QueueOrder fifo = QueueOrder::kCopied, lifo = QueueOrder::kReversed;
    const QueueCase cases[] = {
        {"in the order copied", fifo, false, {{'c', u"a"}, {'c', u"b"}, {'c', u"c"}, P, P, P},
         {u"a", u"b", u"c"}, 0},
        {"reversed", lifo, false, {{'c', u"a"}, {'c', u"b"}, {'c', u"c"}, P, P, P},
         {u"c", u"b", u"a"}, 0},
        {"the end: a paste takes nothing", fifo, false, {{'c', u"a"}, P, P}, {u"a", u"-"}, 0},
        {"nothing copied", lifo, false, {P}, {u"-"}, 0},
        {"copies between pastes", fifo, false,
         {{'c', u"a"}, {'c', u"b"}, P, {'c', u"c"}, P, P}, {u"a", u"b", u"c"}, 0},
        {"copies between pastes, reversed", lifo, false,
         {{'c', u"a"}, {'c', u"b"}, P, {'c', u"c"}, P, P}, {u"b", u"c", u"a"}, 0},
        {"a copy repeated at once joins once", fifo, false,
         {{'c', u"a"}, {'c', u"a"}, {'c', u"b"}, P, P, P}, {u"a", u"b", u"-"}, 0},
        {"a copy repeated later joins again", fifo, false,
         {{'c', u"a"}, {'c', u"b"}, {'c', u"a"}, P, P, P}, {u"a", u"b", u"a"}, 0},
        {"a copy after a paste joins even when it repeats", fifo, false,
         {{'c', u"a"}, P, {'c', u"a"}, P}, {u"a", u"a"}, 0},
        {"an empty copy joins nothing", fifo, false, {{'c', u""}, P}, {u"-"}, 0},
        {"a multi-line copy whole", fifo, false, {{'c', u"x\r\ny"}, P}, {u"x\r\ny"}, 0},
        {"a multi-line copy line by line", fifo, true,
         {{'c', u"x\r\ny\n\nz\r"}, {'c', u"w"}, P, P, P, P}, {u"x", u"y", u"z", u"w"}, 0},
        {"line by line, reversed", lifo, true,
         {{'c', u"x\r\ny\n\nz\r"}, P, P, P}, {u"z", u"y", u"x"}, 0},
        {"only line breaks join nothing", fifo, true, {{'c', u"\r\n\n"}, P}, {u"-"}, 0},
        {"a repeated multi-line copy joins its lines once", fifo, true,
         {{'c', u"x\ny"}, {'c', u"x\ny"}}, {}, 2},
        {"a blank line of spaces is an item", fifo, true, {{'c', u"x\n  \ny"}}, {}, 3},
        {"the history's items whole and in order, empty ones left out", fifo, true,
         {{'i', u"p|\r\nq1\r\nq2|r"}, {'i', u"|"}, P, P, P}, {u"p", u"\r\nq1\r\nq2", u"r"}, 0},
        {"the history's items after copies, reversed", lifo, false,
         {{'c', u"a"}, {'i', u"p|q"}, P, P, P}, {u"q", u"p", u"a"}, 0},
        {"the order changed with items queued", fifo, false,
         {{'c', u"a"}, {'c', u"b"}, {'c', u"c"}, P, Q}, {u"a", u"c"}, 1},
    };
    for (const QueueCase &c : cases) {
        SCOPED_TRACE(c.name);
        PasteQueue queue;
        std::vector<std::u16string> pasted;
        for (const Step &step : c.steps) {
            if (step.op == 'c') queue.Join(step.text, c.linePerItem);
            if (step.op == 'i') queue.JoinItems(Split(step.text));
            if (step.op == 'p' || step.op == 'P') {
                const QueueOrder order = step.op == 'p' ? c.order : Other(c.order);
                // What is offered is what the paste takes.
                const std::u16string head = queue.Head(order) ? *queue.Head(order) : u"-";
                pasted.push_back(queue.Take(order).value_or(u"-"));
                EXPECT_EQ(head, pasted.back());
            }
        }
        EXPECT_EQ(c.pasted, pasted);
        EXPECT_EQ(c.left, queue.Count());
        EXPECT_EQ(c.left == 0, queue.Empty());
    }
}

TEST(PasteQueue, JoinTellsHowManyItemsJoined) {
    PasteQueue queue;
    EXPECT_EQ(2u, queue.Join(u"a\nb", true));
    EXPECT_EQ(0u, queue.Join(u"a\nb", true));
    EXPECT_EQ(0u, queue.Join(u"", false));
}

TEST(PasteQueue, TheNewestIsTheLastToJoinWhateverTheOrder) {
    PasteQueue queue;
    EXPECT_EQ(nullptr, queue.Newest());
    queue.Join(u"a", false);
    queue.Join(u"b", false);
    ASSERT_NE(nullptr, queue.Newest());
    EXPECT_EQ(u"b", *queue.Newest());
    queue.Take(QueueOrder::kReversed);
    EXPECT_EQ(u"a", *queue.Newest());
}

TEST(PasteQueue, NonEmptyLinesEndAtEveryKindOfBreak) {
    const struct {
        std::u16string text;
        std::vector<std::u16string> lines;
    } cases[] = {
        {u"", {}},
        {u"\r\n", {}},
        {u"one", {u"one"}},
        {u"one\r\ntwo\r\n", {u"one", u"two"}},
        {u"one\ntwo", {u"one", u"two"}},
        {u"one\rtwo", {u"one", u"two"}},
        {u"one\n\rtwo", {u"one", u"two"}},         // LF then CR: two breaks, nothing between
        {u"one\r\r\ntwo", {u"one", u"two"}},
        {u"\tA\tB\r\nC\tD", {u"\tA\tB", u"C\tD"}},  // a spreadsheet's rows keep their cells
        {u"한글😀\n表", {u"한글😀", u"表"}},
    };
    for (const auto &c : cases) EXPECT_EQ(c.lines, tlxhistory::NonEmptyLines(c.text));
}

TEST(QueueSettings, ReadWithTheirDefaultsAndWrittenBack) {
    using namespace std::string_literals;
    const struct {
        std::string section;
        QueueOrder order;
        bool lines;
        KeyAfterPaste key;
    } cases[] = {
        {""s, QueueOrder::kCopied, false, KeyAfterPaste::kNone},
        {"QueueOrder=1\0QueueLinePerItem=1\0QueueKeyAfterPaste=1\0"s, QueueOrder::kReversed, true,
         KeyAfterPaste::kTab},
        {"QueueKeyAfterPaste=2\0"s, QueueOrder::kCopied, false, KeyAfterPaste::kEnter},
        {"QueueOrder=7\0QueueLinePerItem=0\0QueueKeyAfterPaste=-1\0"s, QueueOrder::kCopied, false,
         KeyAfterPaste::kNone},
        {"QueueKeyAfterPaste=3\0"s, QueueOrder::kCopied, false, KeyAfterPaste::kNone},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.section);
        ptrtest::MemoryProfile store;
        store.SetSection("Main", c.section);
        // Read and written with the plug-in's other settings.
        tlxhistory::HistorySettings settings;
        settings.Load(store);
        EXPECT_EQ(c.order, settings.queue.order);
        EXPECT_EQ(c.lines, settings.queue.linePerItem);
        EXPECT_EQ(c.key, settings.queue.keyAfterPaste);

        ptrtest::MemoryProfile saved;
        settings.Save(saved);
        tlxhistory::HistorySettings back;
        back.Load(saved);
        EXPECT_EQ(settings.queue.order, back.queue.order);
        EXPECT_EQ(settings.queue.linePerItem, back.queue.linePerItem);
        EXPECT_EQ(settings.queue.keyAfterPaste, back.queue.keyAfterPaste);
    }
}

TEST(QueueCaption, TellsTheCountAndTheStartOfTheNextItem) {
    const std::u16string multiLine = u"first line\r\nsecond";
    const std::u16string longItem = std::u16string(200, u'x') + u"end";
    const struct {
        size_t count;
        const std::u16string *head;
        std::u16string title, next;
    } cases[] = {
        {0, nullptr, u"連続貼り付け　残り 0 件", u"コピーした内容が順に入ります"},
        {2, &multiLine, u"連続貼り付け　残り 2 件", u"次: first line\u2193second"},
        {12, &longItem, u"連続貼り付け　残り 12 件", u"次: " + std::u16string(120, u'x') + u"\u2026"},
    };
    for (const auto &c : cases) {
        const tlxhistory::QueueCaption caption = tlxhistory::CaptionOf(c.count, c.head);
        EXPECT_EQ(c.title, caption.title);
        EXPECT_EQ(c.next, caption.next);
    }
}

}  // namespace
