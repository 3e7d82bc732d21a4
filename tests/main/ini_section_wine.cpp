// Sections read in memory against the profile functions themselves: for generated INI
// files full of odd lines and for the fuzz corpora of the settings files, every key the
// program asks for and every key a file holds reads through the section as it reads
// through GetPrivateProfileStringA and GetPrivateProfileIntA.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ini_file_sections.h"
#include "ini_store.h"
#include "vbIniFile.h"
#include "wine_support.h"

namespace {

const char *const kNamedKeys[] = {"Mode", "TaskMenu", "SplashShow", "EndingCheck", "ClipboardWatch", "DefaultMenu",
                                  "MenuName", "Comment", "Menu", "DataSave", "FileToTextSep", "TextAddSep",
                                  "TextAddType", "SettingName", "HeaderURL", "FooterURL", "CharSet", "UrlEncode"};
const char *const kListKeys[] = {"Function", "Key", "ModKey", "Option", "Enable", "Type", "AllType", "PluginCheck",
                                 "PluginCheckAnd", "Caption", "SubMenu", "FuncType", "FuncOption", "Name", "Value"};
const char *const kProgramSections[] = {"Main", "Watch", "HotKey", "CF_Type", "Menu", "001SubMenu", "Search000"};

std::string ProfileText(const std::string &path, const std::string &section, const std::string &key,
                        const std::string &def, size_t size) {
    std::vector<char> buffer(size + 1, '\0');
    GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(), static_cast<DWORD>(size),
                             path.c_str());
    return std::string(buffer.data());
}

std::vector<std::string> Split(const std::string &block) {
    std::vector<std::string> parts;
    for (size_t start = 0; start < block.size();) {
        const size_t end = block.find('\0', start);
        if (end == start) break;
        parts.push_back(block.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return parts;
}

std::vector<std::string> SectionNames(const std::string &path) {
    for (DWORD size = 4096;; size *= 4) {
        std::string buffer(size, '\0');
        const DWORD n = GetPrivateProfileSectionNamesA(buffer.data(), size, path.c_str());
        if (n < size - 2) return Split(buffer.substr(0, n));
    }
}

std::string RawSection(const std::string &path, const std::string &section) {
    for (DWORD size = 4096;; size *= 4) {
        std::string buffer(size, '\0');
        const DWORD n = GetPrivateProfileSectionA(section.c_str(), buffer.data(), size, path.c_str());
        if (n < size - 2 && (n || !buffer[0])) return buffer.substr(0, n);
    }
}

// The profile functions read a file again on every call while its last write is under about
// two seconds old or ahead of the clock; dated an hour back, a file is read once.
bool DateBack(const std::string &path) {
    const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time;
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart -= 36'000'000'000ULL;   // an hour in 100 ns steps
    const FILETIME hourAgo{time.LowPart, time.HighPart};
    const bool dated = SetFileTime(file, nullptr, nullptr, &hourAgo) != FALSE;
    CloseHandle(file);
    return dated;
}

std::string Upper(std::string text) {
    for (char &c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

// Compares one file; gives up on it after a few differences so that a fault stays readable.
class FileComparison {
public:
    explicit FileComparison(std::string path) : path_(std::move(path)), file_(path_) {}

    void Run(int line) {
        std::vector<std::string> sections(std::begin(kProgramSections), std::end(kProgramSections));
        for (const std::string &name : SectionNames(path_)) {
            sections.push_back(name);
            sections.push_back(" " + Upper(name) + "\t");
            sections.push_back("\x81\x40" + name);
        }
        for (const std::string &section : sections) {
            if (failures_ >= kMaxFailures) return;
            if (FirstAsked({section})) CompareSection(section, line);
        }
        EXPECT_LT(failures_, kMaxFailures) << path_ << " (line " << line << ")";
        ++fileCount;
    }

    static inline size_t keyCount = 0, fileCount = 0;

private:
    static constexpr int kMaxFailures = 8;

    void CompareSection(const std::string &section, int line) {
        const ini::IniSection &s = file_.Section(section);
        std::vector<std::pair<std::string, std::string>> present;   // names and raw values in the file
        for (const std::string &entry : Split(RawSection(path_, section))) {
            const size_t equals = entry.find('=');
            present.emplace_back(entry.substr(0, equals), equals == std::string::npos ? "" : entry.substr(equals + 1));
        }
        for (const auto &[name, value] : present) {
            // Around the length of the value: where quotes and cuts meet the buffer's end.
            std::vector<size_t> sizes = {10240, 30, 2};
            for (size_t d = 0; d < 4 && value.size() + d >= 1; ++d) sizes.push_back(value.size() + d - 1);
            CompareKey(s, section, name, sizes, line);
            CompareKey(s, section, " " + Upper(name) + "\t", {10240}, line);
        }
        for (const char *key : kNamedKeys) CompareKey(s, section, key, {10240}, line);
        for (int n = 1; n <= 3; ++n)
            for (const char *key : kListKeys) CompareKey(s, section, ptr::NumberedKey(n, key), {10240}, line);
    }

    void CompareKey(const ini::IniSection &s, const std::string &section, const std::string &key,
                    const std::vector<size_t> &sizes, int line) {
        if (failures_ >= kMaxFailures) return;
        for (size_t size : sizes) {
            for (const char *def : {"dflt", ""}) {
                if (FirstAsked({section, key, def, std::to_string(size)})) {
                    const std::string expected = ProfileText(path_, section, key, def, size);
                    const std::string actual = s.Text(key, def, size);
                    if (actual != expected) Fail("text", section, key, size, expected, actual, line);
                }
                if (size != 10240) break;
            }
        }
        if (!FirstAsked({section, key})) return;
        ++keyCount;
        const int32_t expected = static_cast<int32_t>(GetPrivateProfileIntA(section.c_str(), key.c_str(), -7, path_.c_str()));
        const int32_t actual = s.Number(key, -7);
        if (actual != expected)
            Fail("number", section, key, 0, std::to_string(expected), std::to_string(actual), line);
    }

    // Each question to the system once: a section may be named twice (by the program and by the
    // file, or by two spellings of one name) and a key both held and named.
    bool FirstAsked(const std::vector<std::string> &question) { return asked_.insert(question).second; }

    // Printable: other bytes as \xNN.
    static std::string Shown(const std::string &text) {
        std::string shown;
        for (unsigned char c : text.substr(0, 60)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            shown += c >= 0x20 && c < 0x7f ? std::string(1, static_cast<char>(c)) : std::string(hex);
        }
        return shown;
    }

    void Fail(const char *what, const std::string &section, const std::string &key, size_t size,
              const std::string &expected, const std::string &actual, int line) {
        ++failures_;
        ADD_FAILURE_AT(__FILE__, line) << path_ << ": " << what << " [" << Shown(section) << "] " << Shown(key)
                                       << " buffer " << size << "\n  system:  " << expected.size() << " bytes \""
                                       << Shown(expected) << "\"\n  section: " << actual.size() << " bytes \""
                                       << Shown(actual) << "\"";
    }

    std::string path_;
    ini::IniFileSections file_;
    int failures_ = 0;
    std::set<std::vector<std::string>> asked_;
};

// An INI file of the lines that trip parsers up, drawn at random.
std::string GeneratedIni(unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
    const char *const sections[] = {"Main", "main", " Watch ", "HotKey", "CF_Type", "Menu", "001SubMenu",
                                    "Search000", "\x81\x40Menu", "サブ", "[x]", ""};
    const char *const values[] = {"", " 5", "-1", "0x1F", "0o7", "0b11", "+3", "4294967297", "\"quoted\"", "'single'",
                                  "\"open", "\"", "\"\"", "\"a\"b\"", "  padded  ", "テキスト", "\x81\x40全角\x81\x40",
                                  "a=b=c", ";not a comment", "1,7", "tlxText.tlx/1/1", "\x82\x54", "\x1c" "7"};
    std::string text = seed % 3 == 0 ? "\xEF\xBB\xBF" : "";   // some files begin with a UTF-8 mark
    const int lines = 20 + static_cast<int>(pick(60));
    for (int i = 0; i < lines; ++i) {
        const std::string eol = pick(5) == 0 ? "\n" : "\r\n";
        switch (pick(12)) {
        case 0:
            text += std::string(pick(2) ? "[" : " [ ") + sections[pick(std::size(sections))] + "]" + eol;
            break;
        case 1:
            text += ";" + std::string(kNamedKeys[pick(std::size(kNamedKeys))]) + "=comment" + eol;
            break;
        case 2:
            text += std::string(kListKeys[pick(std::size(kListKeys))]) + eol;   // no "="
            break;
        case 3: {
            // Long values around the read buffer's 10,240 characters, some quoted, some double-byte.
            const size_t length = 10236 + pick(8);
            const std::string unit = pick(2) ? "x" : "\x82\xa0";
            std::string value;
            while (value.size() < length) value += unit;
            if (pick(2)) value = "\"" + value + "\"";
            text += ptr::NumberedKey(1 + static_cast<int>(pick(3)), "Option") + "=" + value + eol;
            break;
        }
        case 4:
            text += eol;
            break;
        default: {
            std::string key = pick(3) ? ptr::NumberedKey(1 + static_cast<int>(pick(3)), kListKeys[pick(std::size(kListKeys))])
                                      : kNamedKeys[pick(std::size(kNamedKeys))];
            if (pick(4) == 0) key = Upper(key);
            if (pick(4) == 0) key = " \t" + key + " ";
            text += key + (pick(3) ? "=" : " = ") + values[pick(std::size(values))] + eol;
        }
        }
    }
    return text;
}

// A section larger than the first read buffer, in double-byte text: more bytes than characters.
std::string LargeIni() {
    std::string text = "[Watch]\r\n";
    for (int n = 1; n <= 1500; ++n)
        text += ptr::NumberedKey(n, "Option") + "=テキストのみ" + std::to_string(n) + "\r\n" + ptr::NumberedKey(n, "Function") +
                "= 1\r\n";
    return text + "[Main]\r\nMode= 3\r\n";
}

}  // namespace

TEST(IniSectionDifferential, GeneratedFiles) {
    ptrtest::TempDir dir;
    ASSERT_FALSE(dir.path.empty());
    for (unsigned seed = 1; seed <= 24; ++seed) {
        const std::string path = dir.path + "gen" + std::to_string(seed) + ".ini";
        ASSERT_TRUE(ptrtest::WriteFileBytes(path, GeneratedIni(seed)) && DateBack(path));
        FileComparison(path).Run(__LINE__);
    }
    const std::string large = dir.path + "large.ini";
    ASSERT_TRUE(ptrtest::WriteFileBytes(large, LargeIni()) && DateBack(large));
    FileComparison(large).Run(__LINE__);
    // The section reader through the settings store, with a list longer than its first buffer.
    const ptr::vbIniFile store(large);
    EXPECT_EQ("テキストのみ1500", store.GetText("Watch", "1500Option", ""));
    EXPECT_EQ(1, store.GetNumber("Watch", "1500Function", -1));
    EXPECT_EQ(3, store.GetNumber("Main", "Mode", 0));
}

TEST(IniSectionDifferential, FuzzCorporaOfTheSettingsFiles) {
    namespace fs = std::filesystem;
    ptrtest::TempDir dir;
    ASSERT_FALSE(dir.path.empty());
    size_t files = 0;
    for (const char *corpus : {"ini_section", "settings_lists", "menu_file", "search_settings"}) {
        const fs::path folder = fs::path("Z:" PTR_SOURCE_DIR) / "fuzz" / "corpus" / corpus;
        ASSERT_TRUE(fs::is_directory(folder)) << folder.string();
        // Every file of the parser's own corpus; of the larger ones about kPerCorpus spread
        // over the whole corpus, which keeps the test near a minute however the corpora grow
        // (each file is a few hundred round trips to Wine's server).
        constexpr size_t kPerCorpus = 40;
        const size_t count = static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
        const size_t stride = std::string(corpus) == "ini_section" ? 1 : std::max<size_t>(1, count / kPerCorpus);
        size_t index = 0;
        for (const auto &entry : fs::directory_iterator(folder)) {
            if (index++ % stride) continue;
            // A copy of its own: the profile functions keep what they read of a path.
            const std::string path = dir.path + std::string(corpus) + "_" + entry.path().filename().string() + ".ini";
            ASSERT_TRUE(ptrtest::CopyFileTo(entry.path().string(), path) && DateBack(path)) << entry.path().string();
            FileComparison(path).Run(__LINE__);
            ++files;
        }
    }
    EXPECT_GT(files, 100u);
    std::printf("compared %zu keys of %zu files\n", FileComparison::keyCount, FileComparison::fileCount);
}
