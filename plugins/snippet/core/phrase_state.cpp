#include "phrase_state.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace tlxsnippet {

namespace {

// Which of two versions made apart is shown first: the later, then by fixed rules, so
// that every PC shows the same one.
bool ShownBefore(const PhraseVersion &a, const PhraseVersion &b) {
    if (a.deleted != b.deleted) return !a.deleted;
    if (a.time != b.time) return a.time > b.time;
    if (a.name != b.name) return a.name < b.name;
    if (a.text != b.text) return a.text < b.text;
    return a.versions.Text() > b.versions.Text();
}

bool LaterOrder(const OrderVersion &a, const OrderVersion &b) {
    return a.time != b.time ? a.time > b.time : a.versions.Text() > b.versions.Text();
}

// Keeps `item` among `kept` unless one of them has seen it; drops those it has seen.
// Two made apart that came to the same content are one, having seen what both had.
template <typename Item, typename Same>
void KeepNewest(std::vector<Item> &kept, Item item, Same same) {
    for (auto it = kept.begin(); it != kept.end();) {
        const Versions::Order order = item.versions.Compare(it->versions);
        if (order == Versions::Order::kBefore) return;
        if (order == Versions::Order::kSame && same(item, *it)) {
            it->time = std::max(it->time, item.time);
            return;
        }
        if (order == Versions::Order::kAfter || (order == Versions::Order::kApart && same(item, *it))) {
            item.versions.Join(it->versions);
            item.time = std::max(item.time, it->time);
            kept.erase(it);
            it = kept.begin();   // what the joined one has seen may now include others
            continue;
        }
        ++it;   // made apart, or the same versions with another content (a file edited by hand)
    }
    kept.push_back(std::move(item));
}

// A book's order; the texts kept beside others stand as what they became (`renumbered`).
struct Order {
    std::vector<std::u16string> folders;
    std::vector<int32_t> numbers;
    std::unordered_map<int32_t, const std::u16string *> folderOf;
};

Order OrderOf(const PhraseBook &book, const std::unordered_map<int32_t, int32_t> &renumbered) {
    Order order{book.Folders(), {}, {}};
    for (const Phrase &phrase : book.Phrases()) {
        int32_t number = phrase.number;
        if (phrase.conflictOf) {
            const auto to = renumbered.find(phrase.number);
            if (to == renumbered.end()) continue;
            number = to->second;
        }
        order.numbers.push_back(number);
        order.folderOf.emplace(number, &phrase.folder);
    }
    return order;
}

// Whether the latest order of `base` would show the phrases otherwise than `after` has
// them: phrases added at the end of their folder and phrases deleted need no new order,
// so that adding or deleting on one PC leaves another PC's reordering standing.
bool OrderChanged(const PhraseState &base, const PhraseBook &before, const Order &after) {
    if (after.folders != before.Folders()) return true;
    std::unordered_map<int32_t, size_t> place;
    if (!base.Orders().empty())
        for (size_t i = 0; i < base.Orders().front().numbers.size(); ++i) place.emplace(base.Orders().front().numbers[i], i);
    std::unordered_map<std::u16string, size_t> folderPlace;
    for (size_t i = 0; i < after.folders.size(); ++i) folderPlace.emplace(after.folders[i], i);
    const auto key = [&](int32_t number) {
        const auto listed = place.find(number);
        return std::tuple(folderPlace[*after.folderOf.at(number)], listed == place.end() ? SIZE_MAX : listed->second, number);
    };
    std::vector<int32_t> shown = after.numbers;
    std::stable_sort(shown.begin(), shown.end(), [&](int32_t a, int32_t b) { return key(a) < key(b); });
    return shown != after.numbers;
}

bool SameContent(const Phrase &a, const Phrase &b) { return a.folder == b.folder && a.name == b.name && a.text == b.text; }

}  // namespace

void PhraseState::Absorb(PhraseVersion version) {
    std::vector<PhraseVersion> &kept = phrases_[version.number];
    KeepNewest(kept, std::move(version), [](const PhraseVersion &a, const PhraseVersion &b) { return a.SameAs(b); });
    std::sort(kept.begin(), kept.end(), ShownBefore);
}

void PhraseState::Absorb(OrderVersion order) {
    KeepNewest(orders_, std::move(order), [](const OrderVersion &a, const OrderVersion &b) {
        return a.folders == b.folders && a.numbers == b.numbers;
    });
    std::sort(orders_.begin(), orders_.end(), LaterOrder);
}

void PhraseState::Count(int32_t number, const std::u16string &computer, int32_t count) {
    int32_t &kept = counts_[{number, computer}];
    kept = std::max(kept, count);
}

void PhraseState::Absorb(const PhraseState &other) {
    for (const auto &[number, versions] : other.phrases_)
        for (const PhraseVersion &version : versions) Absorb(version);
    for (const OrderVersion &order : other.orders_) Absorb(order);
    for (const auto &[key, count] : other.counts_) Count(key.first, key.second, count);
}

void PhraseState::Absorb(PhraseState &&other) {
    // A whole book read into nothing yet: as it is, without a copy of every text.
    if (Empty()) return void(*this = std::move(other));
    for (auto &[number, versions] : other.phrases_)
        for (PhraseVersion &version : versions) Absorb(std::move(version));
    for (OrderVersion &order : other.orders_) Absorb(std::move(order));
    for (const auto &[key, count] : other.counts_) Count(key.first, key.second, count);
}

int32_t PhraseState::CountOf(int32_t number, const std::u16string &computer) const {
    const auto found = counts_.find({number, computer});
    return found == counts_.end() ? 0 : found->second;
}

Versions PhraseState::SeenOf(int32_t number) const {
    Versions seen;
    if (const auto found = phrases_.find(number); found != phrases_.end())
        for (const PhraseVersion &version : found->second) seen.Join(version.versions);
    return seen;
}

Versions PhraseState::SeenOfOrder() const {
    Versions seen;
    for (const OrderVersion &order : orders_) seen.Join(order.versions);
    return seen;
}

bool PhraseState::operator==(const PhraseState &other) const {
    const auto sameVersion = [](const PhraseVersion &a, const PhraseVersion &b) {
        return a.number == b.number && a.versions == b.versions && a.time == b.time && a.SameAs(b);
    };
    const auto sameOrder = [](const OrderVersion &a, const OrderVersion &b) {
        return a.versions == b.versions && a.time == b.time && a.folders == b.folders && a.numbers == b.numbers;
    };
    if (counts_ != other.counts_ || phrases_.size() != other.phrases_.size() ||
        !std::equal(orders_.begin(), orders_.end(), other.orders_.begin(), other.orders_.end(), sameOrder))
        return false;
    for (auto a = phrases_.begin(), b = other.phrases_.begin(); a != phrases_.end(); ++a, ++b)
        if (a->first != b->first || !std::equal(a->second.begin(), a->second.end(), b->second.begin(),
                                                b->second.end(), sameVersion))
            return false;
    return true;
}

PhraseBook ViewOf(const PhraseState &state, const PasteCounts &counts, const ViewOptions &options) {
    PhraseBook book;
    book.UseNumbers(options.numbers);
    // The latest order, then the folders only other orders name (a folder made apart).
    std::vector<std::u16string> folders;
    std::unordered_map<int32_t, size_t> place;
    const std::vector<OrderVersion> &orders = state.Orders();
    for (const OrderVersion &order : orders)
        for (const std::u16string &folder : order.folders)
            if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    if (!orders.empty())
        for (size_t i = 0; i < orders.front().numbers.size(); ++i) place.emplace(orders.front().numbers[i], i);
    std::unordered_map<std::u16string, size_t> folderPlace;
    for (size_t i = 0; i < folders.size(); ++i) folderPlace.emplace(folders[i], i);

    struct Row {
        size_t folder, place;
        int32_t number;
        size_t beside;   // 0: the text shown; 1..: those kept beside it
        const PhraseVersion *version;
    };
    std::vector<Row> rows;
    for (const auto &[number, versions] : state.Phrases()) {
        book.KeepNumbersFrom(number + 1);
        size_t beside = 0;
        for (const PhraseVersion &version : versions) {
            if (version.deleted) continue;   // an edit made apart from a deletion wins
            const std::u16string &folder = version.folder.empty() ? std::u16string(kUnsortedFolder) : version.folder;
            auto [at, added] = folderPlace.emplace(folder, folders.size());
            if (added) folders.push_back(folder);
            const auto listed = place.find(number);
            rows.push_back({at->second, listed == place.end() ? SIZE_MAX : listed->second, number, beside++, &version});
        }
    }
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return std::tie(a.folder, a.place, a.number, a.beside) < std::tie(b.folder, b.place, b.number, b.beside);
    });

    for (const std::u16string &folder : folders) book.AddFolder(folder);
    int32_t conflict = options.firstConflict;
    for (const Row &row : rows) {
        Phrase phrase{row.number, row.version->folder, row.version->name, row.version->text, 0};
        if (row.beside) {
            phrase.conflictOf = row.number;
            phrase.number = conflict++;
            phrase.name += kConflictMark;
        } else if (options.shareCounts) {
            for (auto it = counts.lower_bound({row.number, u""}); it != counts.end() && it->first.first == row.number; ++it)
                phrase.pastes += it->second;
        } else if (const auto own = counts.find({row.number, options.computer}); own != counts.end()) {
            phrase.pastes = own->second;
        }
        book.Restore(std::move(phrase));
    }
    return book;
}

PhraseBook TeamViewOf(const PhraseState &team, const PasteCounts &counts, ViewOptions options) {
    PasteCounts own;
    for (auto it = counts.lower_bound({kTeamNumberBase, u""}); it != counts.end() && IsTeamNumber(it->first.first); ++it)
        own.emplace(std::pair(it->first.first - kTeamNumberBase, it->first.second), it->second);
    options.firstConflict = kConflictNumberBase + 100'000'001;   // apart from the user's
    const PhraseBook view = ViewOf(team, own, options);
    PhraseBook book;
    book.UseNumbers({0, -1});   // the team's phrases are never added to
    for (const std::u16string &folder : view.Folders()) book.AddFolder(kTeamFolderPrefix + folder);
    for (Phrase phrase : view.Phrases()) {
        phrase.folder = kTeamFolderPrefix + phrase.folder;
        if (phrase.conflictOf) phrase.conflictOf += kTeamNumberBase;
        else phrase.number += kTeamNumberBase;
        book.Restore(std::move(phrase));
    }
    return book;
}

PhraseBook Together(const PhraseBook &own, const PhraseBook &team) {
    PhraseBook both = own;
    for (const std::u16string &folder : team.Folders()) both.AddFolder(folder);
    for (const Phrase &phrase : team.Phrases()) both.Restore(phrase);
    return both;
}

int BlockWithRoom(const PhraseState &state, const std::u16string &computer, int current, const std::set<int> &others) {
    if (current > 0 && !state.Phrases().count(BlockNumbers(current).last)) return current;
    std::set<int> taken = others;
    if (current > 0) taken.insert(current);
    for (const auto &[number, versions] : state.Phrases())
        if (number >= kBlockSize) taken.insert(number / kBlockSize);
    return ChooseBlock(computer, taken);
}

int32_t CopyFromTeam(PhraseBook &own, const Phrase &teamPhrase) {
    const std::u16string_view prefix = kTeamFolderPrefix;
    std::u16string folder = teamPhrase.folder;
    if (folder.substr(0, prefix.size()) == prefix) folder.erase(0, prefix.size());
    return own.Add(folder, FreePhraseName(own, folder.empty() ? kUnsortedFolder : folder, teamPhrase.name), teamPhrase.text);
}

PutBackCounts PutBack(PhraseBook &book, const PhraseBook &backup) {
    PutBackCounts counts;
    for (const std::u16string &folder : backup.Folders()) book.AddFolder(folder);
    for (const Phrase &old : backup.Phrases()) {
        if (old.conflictOf) continue;
        if (Phrase *now = book.Find(old.number)) {
            if (SameContent(*now, old)) continue;
            if (now->folder != old.folder) {   // back in its folder: at that folder's end
                Phrase moved = *now;
                book.Remove(old.number);
                moved.folder = old.folder;
                book.Restore(std::move(moved));
                now = book.Find(old.number);
            }
            now->name = old.name;
            now->text = old.text;
            ++counts.reverted;
        } else if (book.Restore({old.number, old.folder, old.name, old.text, 0})) {
            ++counts.returned;
        }
    }
    return counts;
}

PhraseState Changes(const PhraseState &base, const PhraseBook &before, PhraseBook after, const std::u16string &computer,
                    int64_t now) {
    std::unordered_map<int32_t, const Phrase *> was, is;
    std::unordered_map<int32_t, std::vector<const Phrase *>> wasBeside;
    for (const Phrase &phrase : before.Phrases()) {
        if (phrase.conflictOf) wasBeside[phrase.conflictOf].push_back(&phrase);
        else if (IsOwnNumber(phrase.number)) was.emplace(phrase.number, &phrase);
    }
    std::vector<int32_t> numbers;
    for (const Phrase &phrase : after.Phrases())
        if (!phrase.conflictOf && IsOwnNumber(phrase.number)) is.emplace(phrase.number, &phrase);
    for (const auto &[number, phrase] : was) numbers.push_back(number);
    for (const auto &[number, phrase] : is)
        if (!was.count(number)) numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());

    PhraseState changes;
    std::unordered_map<int32_t, int32_t> renumbered;   // texts kept beside others that the user kept
    for (const int32_t number : numbers) {
        const Phrase *old = was.count(number) ? was[number] : nullptr;
        const Phrase *current = is.count(number) ? is[number] : nullptr;
        std::vector<const Phrase *> kept;   // texts beside it that are still there, as they are now
        bool chosen = false;
        for (const Phrase *beside : wasBeside[number]) {
            const Phrase *still = after.Find(beside->number);
            chosen |= !still || !SameContent(*still, *beside);
            if (still) kept.push_back(still);
        }
        const bool changed = !old || !current || !SameContent(*old, *current);
        if (!changed && !chosen) continue;
        PhraseVersion version{number, base.SeenOf(number), now, !current, {}, {}, {}};
        version.versions.Bump(computer);
        if (current) version.folder = current->folder, version.name = current->name, version.text = current->text;
        // The texts beside it the user kept become phrases of their own; when no number
        // is left for them, the conflict stays as it is.
        std::vector<int32_t> given;
        for (size_t i = 0; i < kept.size(); ++i)
            if (const int32_t to = after.TakeNumber()) given.push_back(to);
        if (given.size() < kept.size()) continue;
        changes.Absorb(std::move(version));
        for (size_t i = 0; i < kept.size(); ++i) {
            PhraseVersion own{given[i], {}, now, false, kept[i]->folder, kept[i]->name, kept[i]->text};
            own.versions.Bump(computer);
            changes.Absorb(std::move(own));
            renumbered.emplace(kept[i]->number, given[i]);
        }
    }
    const Order order = OrderOf(after, renumbered);
    if (OrderChanged(base, before, order)) {
        OrderVersion version{base.SeenOfOrder(), now, order.folders, order.numbers};
        version.versions.Bump(computer);
        changes.Absorb(std::move(version));
    }
    return changes;
}

}  // namespace tlxsnippet
