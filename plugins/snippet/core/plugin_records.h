// What the plug-in tells its host: the information record, the function records and
// the names of the phrases, which are the numbered settings of "定型文を貼り付け".
#pragma once
#include <cstdint>
#include <string>

#include "phrase_book.h"
#include "tlx_records.h"

namespace tlxsnippet {

enum : int32_t { kFuncPaste = 1, kFuncPick = 2, kFuncRegister = 3, kFuncCount = 3 };

void FillPluginInfo(TlxPluginInfo &info);
// False, leaving the record alone, for a number that is no function. Setting n of
// kFuncPaste is phrase n: as many settings as the highest phrase number, only the
// named ones (the phrases there are) offered.
bool FillFuncInfo(int32_t funcno, const PhraseBook &book, TlxFuncInfo &info);
// "フォルダ/名前" of phrase setno for kFuncPaste; empty for a number that is no phrase.
std::u16string SettingName(const PhraseBook &book, int32_t funcno, int32_t setno);

}  // namespace tlxsnippet
