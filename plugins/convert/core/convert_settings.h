// The plug-in's settings: the quote mark, and 20 numbered settings each of the
// replacements, the patterns and the program lists, with their INI sections.
// Texts are code page 932, as the settings file and the dialogs hold them.
#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "profile_store.h"

namespace tlxconv {

inline constexpr int kNumberedSettingCount = 20;
inline constexpr size_t kSettingNameMaxBytes = 255;
inline constexpr size_t kSettingTextMaxBytes = 1023;
inline constexpr const char *kDefaultQuoteMark = "> ";

struct ReplaceSetting {
    std::string name;
    std::string find;
    std::string replacement;
    bool regex = false;
    bool caseSensitive = false;
};

struct PatternSetting {
    std::string name;
    std::string pattern;
    bool regex = false;
    bool caseSensitive = false;
};

struct ProgramSetting {
    std::string name;
    std::string programs;   // "excel.exe;winword.exe"
};

bool IsNumberedSetting(int number);

class ConvertSettings {
public:
    ConvertSettings();
    void Load(tlx::ProfileStore &store);
    void SaveQuoteMark(tlx::ProfileStore &store) const;
    // Each writes the section of one setting with all its keys; a number outside 1 to 20 writes nothing.
    void SaveReplace(tlx::ProfileStore &store, int number) const;
    void SavePattern(tlx::ProfileStore &store, int number) const;
    void SaveProgram(tlx::ProfileStore &store, int number) const;

    std::string quoteMark;
    // nullptr for a number outside 1 to 20.
    ReplaceSetting *Replace(int number) { return Numbered(replaces_, number); }
    PatternSetting *Pattern(int number) { return Numbered(patterns_, number); }
    ProgramSetting *Program(int number) { return Numbered(programs_, number); }
    const ReplaceSetting *Replace(int number) const { return Numbered(replaces_, number); }
    const PatternSetting *Pattern(int number) const { return Numbered(patterns_, number); }
    const ProgramSetting *Program(int number) const { return Numbered(programs_, number); }

private:
    template <typename Array>
    static auto Numbered(Array &settings, int number) -> decltype(&settings[0]) {
        return IsNumberedSetting(number) ? &settings[number - 1] : nullptr;
    }

    std::array<ReplaceSetting, kNumberedSettingCount> replaces_;
    std::array<PatternSetting, kNumberedSettingCount> patterns_;
    std::array<ProgramSetting, kNumberedSettingCount> programs_;
};

// Cuts the texts to what the dialogs and the file hold, never inside a character.
void ClampSetting(ReplaceSetting &setting);
void ClampSetting(PatternSetting &setting);
void ClampSetting(ProgramSetting &setting);

}  // namespace tlxconv
