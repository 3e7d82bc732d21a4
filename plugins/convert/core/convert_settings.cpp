#include "convert_settings.h"

namespace tlxconv {

namespace {

constexpr const char *kQuoteSection = "Quote";
constexpr const char *kKeyMark = "Mark";
constexpr const char *kKeyName = "SettingName";
constexpr const char *kKeyFind = "Find";
constexpr const char *kKeyReplacement = "Replace";
constexpr const char *kKeyPattern = "Pattern";
constexpr const char *kKeyPrograms = "Programs";
constexpr const char *kKeyRegex = "Regex";
constexpr const char *kKeyCase = "CaseSensitive";

std::string DefaultName(int number) { return tlx::NumberedName("設定%02d", number); }

std::string ReadTextKey(tlx::ProfileStore &store, const std::string &section, const char *key,
                        const std::string &fallback, size_t maxBytes) {
    std::string text = store.ReadText(section, key, fallback);
    tlx::CutToBytes(text, maxBytes);
    return text;
}

bool ReadFlag(tlx::ProfileStore &store, const std::string &section, const char *key) {
    return store.ReadNumber(section, key, 0) != 0;
}

}  // namespace

bool IsNumberedSetting(int number) { return number >= 1 && number <= kNumberedSettingCount; }

ConvertSettings::ConvertSettings() : quoteMark(kDefaultQuoteMark) {
    for (int n = 1; n <= kNumberedSettingCount; ++n) {
        replaces_[n - 1].name = DefaultName(n);
        patterns_[n - 1].name = DefaultName(n);
        programs_[n - 1].name = DefaultName(n);
    }
}

void ConvertSettings::Load(tlx::ProfileStore &store) {
    quoteMark = ReadTextKey(store, kQuoteSection, kKeyMark, kDefaultQuoteMark, kSettingTextMaxBytes);
    for (int n = 1; n <= kNumberedSettingCount; ++n) {
        const std::string name = DefaultName(n);
        const std::string replaceSection = tlx::NumberedName("Replace%02d", n);
        ReplaceSetting &r = replaces_[n - 1];
        r.name = ReadTextKey(store, replaceSection, kKeyName, name, kSettingNameMaxBytes);
        r.find = ReadTextKey(store, replaceSection, kKeyFind, "", kSettingTextMaxBytes);
        r.replacement = ReadTextKey(store, replaceSection, kKeyReplacement, "", kSettingTextMaxBytes);
        r.regex = ReadFlag(store, replaceSection, kKeyRegex);
        r.caseSensitive = ReadFlag(store, replaceSection, kKeyCase);

        const std::string patternSection = tlx::NumberedName("Pattern%02d", n);
        PatternSetting &p = patterns_[n - 1];
        p.name = ReadTextKey(store, patternSection, kKeyName, name, kSettingNameMaxBytes);
        p.pattern = ReadTextKey(store, patternSection, kKeyPattern, "", kSettingTextMaxBytes);
        p.regex = ReadFlag(store, patternSection, kKeyRegex);
        p.caseSensitive = ReadFlag(store, patternSection, kKeyCase);

        const std::string programSection = tlx::NumberedName("Program%02d", n);
        ProgramSetting &a = programs_[n - 1];
        a.name = ReadTextKey(store, programSection, kKeyName, name, kSettingNameMaxBytes);
        a.programs = ReadTextKey(store, programSection, kKeyPrograms, "", kSettingTextMaxBytes);
    }
}

void ConvertSettings::SaveQuoteMark(tlx::ProfileStore &store) const {
    store.WriteQuoted(kQuoteSection, kKeyMark, quoteMark);
}

void ConvertSettings::SaveReplace(tlx::ProfileStore &store, int number) const {
    const ReplaceSetting *r = Replace(number);
    if (!r) return;
    const std::string section = tlx::NumberedName("Replace%02d", number);
    store.WriteQuoted(section, kKeyName, r->name);
    store.WriteQuoted(section, kKeyFind, r->find);
    store.WriteQuoted(section, kKeyReplacement, r->replacement);
    store.WriteNumber(section, kKeyRegex, r->regex ? 1 : 0);
    store.WriteNumber(section, kKeyCase, r->caseSensitive ? 1 : 0);
}

void ConvertSettings::SavePattern(tlx::ProfileStore &store, int number) const {
    const PatternSetting *p = Pattern(number);
    if (!p) return;
    const std::string section = tlx::NumberedName("Pattern%02d", number);
    store.WriteQuoted(section, kKeyName, p->name);
    store.WriteQuoted(section, kKeyPattern, p->pattern);
    store.WriteNumber(section, kKeyRegex, p->regex ? 1 : 0);
    store.WriteNumber(section, kKeyCase, p->caseSensitive ? 1 : 0);
}

void ConvertSettings::SaveProgram(tlx::ProfileStore &store, int number) const {
    const ProgramSetting *a = Program(number);
    if (!a) return;
    const std::string section = tlx::NumberedName("Program%02d", number);
    store.WriteQuoted(section, kKeyName, a->name);
    store.WriteQuoted(section, kKeyPrograms, a->programs);
}

void ClampSetting(ReplaceSetting &setting) {
    tlx::CutToBytes(setting.name, kSettingNameMaxBytes);
    tlx::CutToBytes(setting.find, kSettingTextMaxBytes);
    tlx::CutToBytes(setting.replacement, kSettingTextMaxBytes);
}

void ClampSetting(PatternSetting &setting) {
    tlx::CutToBytes(setting.name, kSettingNameMaxBytes);
    tlx::CutToBytes(setting.pattern, kSettingTextMaxBytes);
}

void ClampSetting(ProgramSetting &setting) {
    tlx::CutToBytes(setting.name, kSettingNameMaxBytes);
    tlx::CutToBytes(setting.programs, kSettingTextMaxBytes);
}

}  // namespace tlxconv
