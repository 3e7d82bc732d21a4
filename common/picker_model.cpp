#include "picker_model.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "search_fold.h"

namespace tlx {

std::optional<size_t> PickerModel::SelectedItem() const {
    if (!selected_) return std::nullopt;
    return rows_[*selected_].index;
}

void PickerModel::Search(std::u16string_view text) {
    search_ = FoldForSearch(text);
    browsing_ = false;
    Fill(0);
}

void PickerModel::Refresh() {
    std::unordered_set<uint64_t> present;
    for (size_t item = 0; item < source_.Count(); ++item) present.insert(source_.Key(item));
    marks_.erase(std::remove_if(marks_.begin(), marks_.end(), [&](uint64_t key) { return !present.count(key); }),
                 marks_.end());
    Fill(selected_.value_or(0));
}

void PickerModel::Fill(std::optional<size_t> selectRow) {
    rows_.clear();
    size_t ordinal = 0;
    std::optional<size_t> lastGroup;
    for (size_t item = 0; item < source_.Count(); ++item) {
        if (!source_.Finds(item, search_)) continue;
        const size_t group = source_.Group(item);
        if (group != kNoGroup && lastGroup != group) rows_.push_back({group, true, 0});
        lastGroup = group;
        rows_.push_back({item, false, ordinal++});
    }
    selected_.reset();
    if (selectRow && !rows_.empty()) SelectItemRow(std::min(*selectRow, rows_.size() - 1), 1);
}

void PickerModel::SelectItemRow(size_t row, int direction) {
    const long count = static_cast<long>(rows_.size());
    for (const int step : {direction, -direction}) {
        for (long r = static_cast<long>(row); r >= 0 && r < count; r += step) {
            if (!rows_[static_cast<size_t>(r)].header) {
                selected_ = static_cast<size_t>(r);
                return;
            }
        }
    }
}

void PickerModel::Select(size_t row) {
    if (row >= rows_.size()) return;
    SelectItemRow(row, 1);
    browsing_ = true;
}

void PickerModel::Move(int rows) {
    browsing_ = true;
    if (rows_.empty()) return;
    if (!selected_) return SelectItemRow(0, 1);
    const long target = std::clamp<long>(static_cast<long>(*selected_) + rows, 0, static_cast<long>(rows_.size()) - 1);
    SelectItemRow(static_cast<size_t>(target), rows < 0 ? -1 : 1);
}

std::optional<size_t> PickerModel::RowOfItem(size_t item) const {
    for (size_t r = 0; r < rows_.size(); ++r)
        if (!rows_[r].header && rows_[r].index == item) return r;
    return std::nullopt;
}

std::u16string PickerModel::Number(size_t row) const {
    if (row >= rows_.size() || rows_[row].header || rows_[row].ordinal >= 10) return {};
    return std::u16string(1, static_cast<char16_t>(u'0' + (rows_[row].ordinal + 1) % 10));
}

size_t PickerModel::MarkOrder(size_t item) const {
    const auto at = std::find(marks_.begin(), marks_.end(), source_.Key(item));
    return at == marks_.end() ? 0 : static_cast<size_t>(at - marks_.begin()) + 1;
}

bool PickerModel::ToggleMark() {
    const std::optional<size_t> item = SelectedItem();
    if (!item) return false;
    const uint64_t key = source_.Key(*item);
    const auto at = std::find(marks_.begin(), marks_.end(), key);
    if (at == marks_.end()) marks_.push_back(key);
    else marks_.erase(at);
    return true;
}

void PickerModel::RemoveSelected() {
    const std::optional<size_t> item = SelectedItem();
    if (!item) return;
    source_.Remove(*item);
    Refresh();
}

void PickerModel::TogglePinOfSelected() {
    const std::optional<size_t> item = SelectedItem();
    if (!item) return;
    const size_t moved = source_.TogglePin(*item);
    Fill(0);
    // The item stays selected at its new place when the search still finds it.
    if (const std::optional<size_t> row = RowOfItem(moved)) selected_ = row;
}

PickerOutcome PickerModel::Choose(PickerAction action) {
    PickerChoice choice{action, {}};
    if (!marks_.empty()) {
        std::unordered_map<uint64_t, size_t> items;
        for (size_t item = 0; item < source_.Count(); ++item) items.emplace(source_.Key(item), item);
        for (const uint64_t key : marks_)
            if (const auto found = items.find(key); found != items.end()) choice.items.push_back(found->second);
    } else if (const std::optional<size_t> item = SelectedItem()) {
        choice.items.push_back(*item);
    }
    if (choice.items.empty()) return {true, false, std::nullopt};
    return {true, true, std::move(choice)};
}

PickerOutcome PickerModel::ChooseNumber(int digit) {
    const size_t ordinal = digit == 0 ? 9 : static_cast<size_t>(digit - 1);
    for (const PickerRow &row : rows_)
        if (!row.header && row.ordinal == ordinal) return {true, true, PickerChoice{PickerAction::kPaste, {row.index}}};
    return {true, false, std::nullopt};
}

PickerOutcome PickerModel::Press(const PickerKeyPress &key, bool caretAtEnd) {
    const PickerOutcome taken{true, false, std::nullopt};
    switch (key.key) {
    case PickerKey::kUp: Move(-1); return taken;
    case PickerKey::kDown: Move(1); return taken;
    case PickerKey::kPageUp: Move(-static_cast<int>(pageRows_)); return taken;
    case PickerKey::kPageDown: Move(static_cast<int>(pageRows_)); return taken;
    case PickerKey::kEscape: return {true, true, std::nullopt};
    case PickerKey::kEnter:
        if (key.ctrl && features_.queue) return Choose(PickerAction::kQueue);
        if (key.shift && features_.textOnly) return Choose(PickerAction::kPasteTextOnly);
        return Choose(PickerAction::kPaste);
    case PickerKey::kDelete:
        if (!features_.remove || !caretAtEnd) return {};
        RemoveSelected();
        return taken;
    case PickerKey::kSpace:
        if (key.ctrl || !SpaceMarks() || !ToggleMark()) return {};
        return taken;
    case PickerKey::kDigit:
        if (!key.ctrl) return {};
        return ChooseNumber(key.digit);
    case PickerKey::kLetterP:
        if (!key.ctrl || !features_.pin) return {};
        TogglePinOfSelected();
        return taken;
    case PickerKey::kOther:
        break;
    }
    return {};
}

PickerOutcome PickerModel::DoubleClick(size_t row) {
    Select(row);
    return Choose(PickerAction::kPaste);
}

std::vector<std::u16string> PickerKeyLabels(const PickerFeatures &features) {
    std::vector<std::u16string> labels = {u"Enter:貼り付け"};
    if (features.textOnly) labels.push_back(u"Shift+Enter:テキストのみ貼り付け");
    if (features.marks) labels.push_back(u"Space:マーク");
    if (features.queue) labels.push_back(u"Ctrl+Enter:連続貼り付け");
    labels.push_back(u"Ctrl+数字:番号");
    if (features.remove) labels.push_back(u"Delete:削除");
    if (features.pin) labels.push_back(u"Ctrl+P:固定");
    labels.push_back(u"Esc:閉じる");
    return labels;
}

std::vector<size_t> PackIntoLines(const std::vector<int> &widths, int gap, int width) {
    std::vector<size_t> starts;
    int used = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (starts.empty() || used + gap + widths[i] > width) {
            starts.push_back(i);
            used = widths[i];
        } else {
            used += gap + widths[i];
        }
    }
    return starts;
}

}  // namespace tlx
