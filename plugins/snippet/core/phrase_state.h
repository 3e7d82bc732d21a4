// The phrases as the files of several PCs hold them, merged. Each PC writes a file of
// its own, holding every version it knows; reading all the files and merging them
// gives the same phrases on every PC, whatever order the files arrive in:
//
// - a version that has seen another (phrase_versions.h) replaces it, so an edit or a
//   deletion travels;
// - two versions made apart are both kept: the phrase shows the later text, and the
//   other beside it, marked, until the user chooses (an edit made apart from a
//   deletion simply wins);
// - the order of the folders and phrases is one more versioned value; a phrase that
//   one order does not list comes after those it lists;
// - each PC counts its own pastes ({連番}); what a phrase shows is this PC's count, or
//   all PCs' together when they are shared.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "phrase_book.h"
#include "phrase_versions.h"

namespace tlxsnippet {

struct PhraseVersion {
    int32_t number = 0;
    Versions versions;
    int64_t time = 0;   // when it was made, in seconds since 1970 (UTC)
    bool deleted = false;
    std::u16string folder;
    std::u16string name;
    std::u16string text;

    bool SameAs(const PhraseVersion &other) const {
        return deleted == other.deleted && folder == other.folder && name == other.name && text == other.text;
    }
};

struct OrderVersion {
    Versions versions;
    int64_t time = 0;
    std::vector<std::u16string> folders;
    std::vector<int32_t> numbers;   // the phrases in order, folder by folder
};

// How often each computer pasted each phrase (by number).
using PasteCounts = std::map<std::pair<int32_t, std::u16string>, int32_t>;

class PhraseState {
public:
    // Kept unless a version kept has seen it (or is it); replaces those it has seen.
    void Absorb(PhraseVersion version);
    void Absorb(OrderVersion order);
    // The higher count of the two.
    void Count(int32_t number, const std::u16string &computer, int32_t count);
    void Absorb(const PhraseState &other);
    void Absorb(PhraseState &&other);   // the same, taking what it keeps

    // The versions kept for each number (more than one only when made apart).
    const std::map<int32_t, std::vector<PhraseVersion>> &Phrases() const { return phrases_; }
    const std::vector<OrderVersion> &Orders() const { return orders_; }
    const PasteCounts &Counts() const { return counts_; }
    int32_t CountOf(int32_t number, const std::u16string &computer) const;
    // Everything kept of a number has seen this; empty for a number never used.
    Versions SeenOf(int32_t number) const;
    Versions SeenOfOrder() const;
    bool Empty() const { return phrases_.empty() && orders_.empty() && counts_.empty(); }

    bool operator==(const PhraseState &) const;

private:
    std::map<int32_t, std::vector<PhraseVersion>> phrases_;
    std::vector<OrderVersion> orders_;
    PasteCounts counts_;
};

struct ViewOptions {
    std::u16string computer;   // whose counts a phrase shows
    bool shareCounts = false;  // all computers' counts together instead
    NumberRange numbers;       // where new phrases of the view are numbered
    int32_t firstConflict = kConflictNumberBase + 1;   // the texts kept beside others, numbered from here
};

// The book the user sees: every phrase of the state that is not deleted, in the order
// the latest order gives, with the texts kept beside another ("名前（競合）") after the one
// shown. `counts` are the pastes (the team's phrases are counted in the user's files).
PhraseBook ViewOf(const PhraseState &state, const PasteCounts &counts, const ViewOptions &options);

// The team's phrases as the user sees them: in folders under "チーム/", numbered from
// kTeamNumberBase, counted (`counts`, by those numbers) in the user's own files.
inline constexpr char16_t kTeamFolderPrefix[] = u"チーム/";
PhraseBook TeamViewOf(const PhraseState &team, const PasteCounts &counts, ViewOptions options);
// The user's phrases and the team's, in one book (numbers and folders apart).
PhraseBook Together(const PhraseBook &own, const PhraseBook &team);

// A team's phrase copied into the user's phrases, in its folder without "チーム/" and
// under a name free there; its number (0 when none is left).
int32_t CopyFromTeam(PhraseBook &own, const Phrase &teamPhrase);

// A backup's phrases put back into `book`: those deleted since come back with their
// numbers, those changed since are as they were; every other phrase of `book` stays.
struct PutBackCounts {
    int returned = 0;
    int reverted = 0;
};
PutBackCounts PutBack(PhraseBook &book, const PhraseBook &backup);

// The block this computer numbers new phrases from: `current` while its last number is
// not given (0: none yet), else the one ChooseBlock gives, past the blocks other PCs'
// files hold and those any phrase has a number in (a number typed by hand included).
int BlockWithRoom(const PhraseState &state, const std::u16string &computer, int current, const std::set<int> &others);

// The mark of a text kept beside another.
inline constexpr char16_t kConflictMark[] = u"（競合）";

// The versions that make `after` of `before`, a view of `base` that the user changed:
// a phrase changed, added or deleted gets a version that has seen every version of it
// in `base` (so one that arrived since stays beside it), and so does the order when it
// changed. Choosing among a conflict's texts — changing the phrase or one of the texts
// beside it, or deleting one — settles it; a text beside it that the user kept becomes
// a phrase of its own, numbered in `after`'s range. Pastes are counted elsewhere.
PhraseState Changes(const PhraseState &base, const PhraseBook &before, PhraseBook after,
                    const std::u16string &computer, int64_t now);

}  // namespace tlxsnippet
