#include "convert_settings.h"

#include <cstdio>

#include "sjis_text.h"

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

std::string FormatNumber(const char *format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string DefaultName(int number) { return FormatNumber("設定%02d", number); }

void Clamp(std::string &text, size_t maxBytes) { text.resize(sjis::SjisPrefix(text, maxBytes).size()); }

// Blanks at either end of a value are part of it ("> "); the profile functions
// drop them unless the value is quoted, and drop the quotes when reading.
std::string Quoted(const std::string &text) { return '"' + text + '"'; }

std::string ReadTextKey(tlx::ProfileStore &store, const std::string &section, const char *key,
                        const std::string &fallback, size_t maxBytes) {
    std::string text = store.ReadText(section, key, fallback);
    Clamp(text, maxBytes);
    return text;
}

bool ReadFlag(tlx::ProfileStore &store, const std::string &section, const char *key) {
    return store.ReadNumber(section, key, 0) != 0;
}

void WriteFlag(tlx::ProfileStore &store, const std::string &section, const char *key, bool value) {
    store.WriteText(section, key, value ? "1" : "0");
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
        const std::string replaceSection = FormatNumber("Replace%02d", n);
        ReplaceSetting &r = replaces_[n - 1];
        r.name = ReadTextKey(store, replaceSection, kKeyName, name, kSettingNameMaxBytes);
        r.find = ReadTextKey(store, replaceSection, kKeyFind, "", kSettingTextMaxBytes);
        r.replacement = ReadTextKey(store, replaceSection, kKeyReplacement, "", kSettingTextMaxBytes);
        r.regex = ReadFlag(store, replaceSection, kKeyRegex);
        r.caseSensitive = ReadFlag(store, replaceSection, kKeyCase);

        const std::string patternSection = FormatNumber("Pattern%02d", n);
        PatternSetting &p = patterns_[n - 1];
        p.name = ReadTextKey(store, patternSection, kKeyName, name, kSettingNameMaxBytes);
        p.pattern = ReadTextKey(store, patternSection, kKeyPattern, "", kSettingTextMaxBytes);
        p.regex = ReadFlag(store, patternSection, kKeyRegex);
        p.caseSensitive = ReadFlag(store, patternSection, kKeyCase);

        const std::string programSection = FormatNumber("Program%02d", n);
        ProgramSetting &a = programs_[n - 1];
        a.name = ReadTextKey(store, programSection, kKeyName, name, kSettingNameMaxBytes);
        a.programs = ReadTextKey(store, programSection, kKeyPrograms, "", kSettingTextMaxBytes);
    }
}

void ConvertSettings::SaveQuoteMark(tlx::ProfileStore &store) const {
    store.WriteText(kQuoteSection, kKeyMark, Quoted(quoteMark));
}

void ConvertSettings::SaveReplace(tlx::ProfileStore &store, int number) const {
    const ReplaceSetting *r = Replace(number);
    if (!r) return;
    const std::string section = FormatNumber("Replace%02d", number);
    store.WriteText(section, kKeyName, Quoted(r->name));
    store.WriteText(section, kKeyFind, Quoted(r->find));
    store.WriteText(section, kKeyReplacement, Quoted(r->replacement));
    WriteFlag(store, section, kKeyRegex, r->regex);
    WriteFlag(store, section, kKeyCase, r->caseSensitive);
}

void ConvertSettings::SavePattern(tlx::ProfileStore &store, int number) const {
    const PatternSetting *p = Pattern(number);
    if (!p) return;
    const std::string section = FormatNumber("Pattern%02d", number);
    store.WriteText(section, kKeyName, Quoted(p->name));
    store.WriteText(section, kKeyPattern, Quoted(p->pattern));
    WriteFlag(store, section, kKeyRegex, p->regex);
    WriteFlag(store, section, kKeyCase, p->caseSensitive);
}

void ConvertSettings::SaveProgram(tlx::ProfileStore &store, int number) const {
    const ProgramSetting *a = Program(number);
    if (!a) return;
    const std::string section = FormatNumber("Program%02d", number);
    store.WriteText(section, kKeyName, Quoted(a->name));
    store.WriteText(section, kKeyPrograms, Quoted(a->programs));
}

void ClampSetting(ReplaceSetting &setting) {
    Clamp(setting.name, kSettingNameMaxBytes);
    Clamp(setting.find, kSettingTextMaxBytes);
    Clamp(setting.replacement, kSettingTextMaxBytes);
}

void ClampSetting(PatternSetting &setting) {
    Clamp(setting.name, kSettingNameMaxBytes);
    Clamp(setting.pattern, kSettingTextMaxBytes);
}

void ClampSetting(ProgramSetting &setting) {
    Clamp(setting.name, kSettingNameMaxBytes);
    Clamp(setting.programs, kSettingTextMaxBytes);
}

}  // namespace tlxconv
