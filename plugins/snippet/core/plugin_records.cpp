#include "plugin_records.h"

#include <algorithm>

#include "record_text.h"

namespace tlxsnippet {

namespace {

constexpr tlx::FuncText kFunctions[kFuncCount] = {
    {"定型文を貼り付け", TLX_FUNC_ACTION, true, 1, "設定で選んだ定型文を貼り付けます。"},
    {"定型文から選んで貼り付け", TLX_FUNC_ACTION, false, 1, "定型文の一覧を表示し、選んだ定型文を貼り付けます。"},
    {"クリップボードを定型文に登録", TLX_FUNC_ACTION, false, 1, "クリップボードのテキストを定型文として登録します。"},
};

}  // namespace

PhraseSettings::PhraseSettings(const PhraseBook &book) {
    settings_.reserve(book.Phrases().size());
    for (const Phrase &phrase : book.Phrases())
        if (!phrase.conflictOf) settings_.emplace_back(phrase.number, &phrase);
    std::sort(settings_.begin(), settings_.end());
}

const Phrase *PhraseSettings::Find(int32_t number) const {
    const auto at = std::lower_bound(settings_.begin(), settings_.end(), std::pair<int32_t, const Phrase *>(number, nullptr));
    return at != settings_.end() && at->first == number ? at->second : nullptr;
}

int32_t PhraseSettings::Next(int32_t after) const {
    const auto at = std::upper_bound(settings_.begin(), settings_.end(), after,
                                     [](int32_t number, const auto &setting) { return number < setting.first; });
    return at == settings_.end() ? 0 : at->first;
}

void FillPluginInfo(TlxPluginInfo &info) {
    tlx::FillPluginRecord({"定型文", "1.00", "登録した定型文を選んで貼り付けます。", true, kFuncCount}, info);
}

bool FillFuncInfo(int32_t funcno, const PhraseSettings &settings, TlxFuncInfo &info) {
    if (!tlx::FillFuncRecord(kFunctions, funcno, info)) return false;
    if (funcno == kFuncPaste) {
        info.FuncNameNumMax = std::max(settings.Highest(), 1);
        info.Flags = TLX_FUNC_NAMED_SETTINGS_ONLY;
    }
    return true;
}

std::u16string SettingName(const PhraseSettings &settings, int32_t funcno, int32_t setno) {
    const Phrase *phrase = funcno == kFuncPaste ? settings.Find(setno) : nullptr;
    return phrase ? tlxsnippet::SettingName(*phrase) : std::u16string();
}

int32_t NextSetting(const PhraseSettings &settings, int32_t funcno, int32_t after) {
    return funcno == kFuncPaste ? settings.Next(after) : -1;
}

}  // namespace tlxsnippet
