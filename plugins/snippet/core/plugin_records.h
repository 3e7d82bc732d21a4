// What the plug-in tells its host: the information record, the function records and
// the names of the phrases, which are the numbered settings of "定型文を貼り付け".
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "phrase_book.h"
#include "tlx_records.h"

namespace tlxsnippet {

enum : int32_t { kFuncPaste = 1, kFuncPick = 2, kFuncRegister = 3, kFuncCount = 3 };

// The phrases of a book as settings: setting n is phrase n, in order of number. The texts
// kept beside others after a conflict, numbered for one run only, are none.
class PhraseSettings {
public:
    PhraseSettings() = default;
    // The book must stay as it is while the settings are used.
    explicit PhraseSettings(const PhraseBook &book);
    const Phrase *Find(int32_t number) const;
    // The lowest number above `after`; 0 after the last.
    int32_t Next(int32_t after) const;
    int32_t Highest() const { return settings_.empty() ? 0 : settings_.back().first; }

private:
    std::vector<std::pair<int32_t, const Phrase *>> settings_;
};

void FillPluginInfo(TlxPluginInfo &info);
// False, leaving the record alone, for a number that is no function. kFuncPaste lists
// its settings (NextSetting) and names only those there are; for a host that does not
// ask for the list, as many as the highest phrase number.
bool FillFuncInfo(int32_t funcno, const PhraseSettings &settings, TlxFuncInfo &info);
// "フォルダ/名前" of phrase setno for kFuncPaste; empty for a number that is no phrase.
std::u16string SettingName(const PhraseSettings &settings, int32_t funcno, int32_t setno);
// The setting after `after` of kFuncPaste (0 after the last); -1 for the other
// functions, whose one setting is 1.
int32_t NextSetting(const PhraseSettings &settings, int32_t funcno, int32_t after);

}  // namespace tlxsnippet
