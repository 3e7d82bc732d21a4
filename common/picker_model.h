// What a picker window shows and does, without any Windows header: the items a search
// finds, in groups where the items have them, the selected row, the rows marked in
// the order they were marked, and what each key does. The history and the phrases
// both offer their items through a PickerSource.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlx {

inline constexpr size_t kNoGroup = static_cast<size_t>(-1);

// The items a picker offers, in the order it shows them. Items of one group lie next
// to each other.
class PickerSource {
public:
    virtual ~PickerSource() = default;
    virtual size_t Count() const = 0;
    // The same for an item before and after the list changes: marks follow it.
    virtual uint64_t Key(size_t item) const = 0;
    // Whether a search finds the item; the search text is folded (FoldForSearch).
    virtual bool Finds(size_t item, std::u16string_view foldedSearch) const = 0;
    virtual std::u16string RowText(size_t item) const = 0;
    virtual std::u16string PreviewText(size_t item) const = 0;
    virtual bool Pinned(size_t /*item*/) const { return false; }
    virtual size_t Group(size_t /*item*/) const { return kNoGroup; }
    virtual std::u16string GroupName(size_t /*group*/) const { return {}; }
    // Changes the picker offers where its features say so.
    virtual void Remove(size_t /*item*/) {}
    // Returns the item's position afterwards.
    virtual size_t TogglePin(size_t item) { return item; }
};

// The keys a picker has besides moving, Enter, Ctrl+digit and Esc.
struct PickerFeatures {
    bool remove = false;     // Delete
    bool pin = false;        // Ctrl+P
    bool marks = false;      // Space
    bool textOnly = false;   // Shift+Enter
    bool queue = false;      // Ctrl+Enter
};

enum class PickerKey { kUp, kDown, kPageUp, kPageDown, kEnter, kEscape, kDelete, kSpace, kDigit, kLetterP, kOther };

struct PickerKeyPress {
    PickerKey key = PickerKey::kOther;
    bool ctrl = false;
    bool shift = false;
    int digit = 0;   // of kDigit
};

enum class PickerAction { kPaste, kPasteTextOnly, kQueue };

// Items (positions in the source) in the order they are to be used.
struct PickerChoice {
    PickerAction action = PickerAction::kPaste;
    std::vector<size_t> items;
};

// What a key did: whether the picker took it (otherwise it edits the search text),
// and whether the picker closes, with its choice when one was made.
struct PickerOutcome {
    bool handled = false;
    bool close = false;
    std::optional<PickerChoice> choice;
};

struct PickerRow {
    size_t index = 0;      // the item, or for a header the group
    bool header = false;
    size_t ordinal = 0;    // of an item: how many item rows come before it
};

class PickerModel {
public:
    PickerModel(PickerSource &source, PickerFeatures features) : source_(source), features_(features) {}

    // The rows a new search text finds, the first item selected.
    void Search(std::u16string_view text);
    // The rows again after the source changed, the selection at its row where there is
    // one; marks of items that went are dropped.
    void Refresh();

    const std::vector<PickerRow> &Rows() const { return rows_; }
    std::optional<size_t> SelectedRow() const { return selected_; }
    std::optional<size_t> SelectedItem() const;
    // The row clicked, or the item below a header clicked (above it when none is below).
    void Select(size_t row);
    // "1" … "9", "0" for the first ten items shown, empty for others and headers.
    std::u16string Number(size_t row) const;
    // 1 for the item marked first, 2 for the next; 0 when it is not marked.
    size_t MarkOrder(size_t item) const;

    // How many rows Page Up and Page Down move.
    void SetPageRows(size_t rows) { pageRows_ = rows > 1 ? rows - 1 : 1; }
    // A key pressed in the search box; caretAtEnd: Delete would remove no character there.
    PickerOutcome Press(const PickerKeyPress &key, bool caretAtEnd);
    // A double-click on a row: chosen as Enter chooses.
    PickerOutcome DoubleClick(size_t row);

private:
    void Fill(std::optional<size_t> selectRow);
    void Move(int rows);
    void SelectItemRow(size_t row, int direction);
    std::optional<size_t> RowOfItem(size_t item) const;
    PickerOutcome Choose(PickerAction action);
    PickerOutcome ChooseNumber(int digit);
    bool ToggleMark();
    void RemoveSelected();
    void TogglePinOfSelected();
    // Space marks when there is nothing to type it into, or the user has moved the
    // selection since typing last.
    bool SpaceMarks() const { return features_.marks && (search_.empty() || browsing_); }

    PickerSource &source_;
    PickerFeatures features_;
    std::u16string search_;   // folded
    std::vector<PickerRow> rows_;
    std::optional<size_t> selected_;
    std::vector<uint64_t> marks_;   // keys, in the order marked
    size_t pageRows_ = 10;
    bool browsing_ = false;
};

// The key line of a picker with these features: one label per key.
std::vector<std::u16string> PickerKeyLabels(const PickerFeatures &features);
// Labels of the widths packed into lines no wider than width, gap apart on a line, in
// their order; a label wider than the line has a line of its own. The first label of
// each line.
std::vector<size_t> PackIntoLines(const std::vector<int> &widths, int gap, int width);

}  // namespace tlx
